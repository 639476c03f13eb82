#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Friends.h"

namespace {

// A timeline page shaped like the service's replies: every key a real reply
// carries, Japanese texts with line feeds and emoji, a third of them replies.
QByteArray TimelinePage(int statuses) {
    const QString texts[] = {
        QString::fromUtf8("今日は朝から雨。傘を忘れたので駅まで走った\nびしょ濡れ") + QChar(0xE63E),
        QString::fromUtf8("@hanako おはようございます！ 今日もよろしくお願いします"),
        QString::fromUtf8("新しいブログ記事を書きました http://tinyurl.com/abc123 読んでね"),
        QString::fromUtf8("お昼はラーメン。\"味噌\"にするか\"醤油\"にするか迷う <3"),
    };
    QJsonArray page;
    for (int i = 0; i < statuses; ++i) {
        const QString login = QStringLiteral("user%1").arg(i % 37);
        const QString rid = QStringLiteral("Ab%1Cd").arg(100000 + i);
        const QString text = texts[i % 4];
        const QString statusUrl = "http://wassr.jp/user/" + login + "/statuses/" + rid;
        page.append(QJsonObject{
            {"favorites", QJsonArray{"friend_a", "friend_b"}},
            {"user_login_id", login},
            {"photo_thumbnail_url", statusUrl + "/photo_thumbnail"},
            {"html", "<p>" + text.toHtmlEscaped() + "</p>"},
            {"text", text},
            {"reply_status_url", i % 3 ? QJsonValue(QJsonValue::Null) : QJsonValue(statusUrl)},
            {"user", QJsonObject{{"profile_image_url", "http://wassr.jp/user/" + login +
                                                           "/profile_img.png.64.1246432820"},
                                 {"protected", false},
                                 {"screen_name", QString::fromUtf8("ユーザー%1").arg(i % 37)}}},
            {"id", QString::number(696410 + i)},
            {"reply_user_login_id", i % 3 ? QJsonValue(QJsonValue::Null) : QJsonValue("hanako")},
            {"link", statusUrl},
            {"epoch", 1251857805 - i * 60},
            {"rid", rid},
            {"photo_url", QJsonValue(QJsonValue::Null)},
            {"reply_message", QJsonValue(QJsonValue::Null)},
            {"reply_user_nick", QJsonValue(QJsonValue::Null)},
            {"slurl", QJsonValue(QJsonValue::Null)},
            {"areaname", QJsonValue(QJsonValue::Null)},
            {"areacode", QJsonValue(QJsonValue::Null)},
        });
    }
    return QJsonDocument(page).toJson(QJsonDocument::Compact);
}

void BareParse(benchmark::State& state) {
    const QByteArray body = TimelinePage(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(body));
    state.SetBytesProcessed(qint64(state.iterations()) * body.size());
}

void ParseJSON(benchmark::State& state) {
    const QByteArray body = TimelinePage(int(state.range(0)));
    for (auto _ : state) {
        TFriends friends;
        friends.ParseJSON(body, 9);
        benchmark::DoNotOptimize(friends.Count());
    }
    state.SetBytesProcessed(qint64(state.iterations()) * body.size());
}

BENCHMARK(BareParse)->Arg(20)->Arg(1000);
BENCHMARK(ParseJSON)->Arg(20)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
