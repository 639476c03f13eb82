#include "RequestTexts.h"

#include "Worker.h"

std::optional<QString> TRequestTexts::ForOutcome(int outcome) const {
    switch (outcome) {
    case OutcomeDone:
        return Done;
    case OutcomeError:
        return Error;
    case OutcomeApiLimit:
        return ApiLimit.isEmpty() ? std::nullopt : std::optional(ApiLimit);
    default:
        return std::nullopt;
    }
}

const TRequestTexts PostRequestTexts{
    QStringLiteral("ステータス送信中..."), QStringLiteral("ステータス送信終了"),
    QStringLiteral("ステータス送信エラー"), QStringLiteral("ステータス送信エラー(API制限)")};

const TRequestTexts FavoriteRequestTexts{
    QStringLiteral("イイネ! 追加中..."), QStringLiteral("イイネ! 追加終了"),
    QStringLiteral("イイネ! 追加エラー"), QStringLiteral("イイネ! 追加エラー(API制限)")};

const TRequestTexts DestroyRequestTexts{
    QStringLiteral("Status削除中..."), QStringLiteral("Status削除終了"),
    QStringLiteral("Status削除エラー"), QStringLiteral("Status削除エラー(API制限)")};

const TRequestTexts VersionRequestTexts{QStringLiteral("バージョン確認中..."),
                                        QStringLiteral("バージョン確認終了"),
                                        QStringLiteral("バージョン確認エラー")};

const TQuestion AddFavoriteQuestion{QStringLiteral("本当にイイネ! に追加して良いですか？"),
                                    QStringLiteral("イイネ! に追加")};

const TQuestion DestroyQuestion{QStringLiteral("本当に削除して良いですか？"),
                                QStringLiteral("Statusの削除")};
