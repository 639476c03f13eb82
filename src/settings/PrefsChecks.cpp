#include "PrefsChecks.h"

#include "Numbers.h"

TPrefsCheck CheckPrefsInput(const TPrefsInput& input) {
    if (input.UseProxy && input.ProxyEditable) {
        // The port comes first, so a user fixing one field at a time is told
        // about the port before the server.
        if (!IsInteger(input.ProxyPort))
            return TPrefsCheck::ProxyPort;
        if (input.ProxyServer.isEmpty())
            return TPrefsCheck::ProxyServer;
    }
    // The service signs in with the user ID, never with the e-mail address.
    if (input.Username.contains(QLatin1Char('@')))
        return TPrefsCheck::Username;
    return TPrefsCheck::Passed;
}

TPrefsCheckMessage PrefsCheckMessage(TPrefsCheck check) {
    switch (check) {
    case TPrefsCheck::ProxyPort:
        return {QStringLiteral("入力した値が正しくありません"),
                QStringLiteral("ポート番号の入力が正しくありません。\n"
                               "もう一度入力しなおしてください。")};
    case TPrefsCheck::ProxyServer:
        return {QStringLiteral("入力してください"),
                QStringLiteral("PROXYサーバ名を入力してください。")};
    case TPrefsCheck::Username:
        return {QStringLiteral("ユーザ名が正しくありません"),
                QStringLiteral("ユーザ名にメールアドレスは指定できません。")};
    case TPrefsCheck::Passed:
        break;
    }
    return {};
}
