#include "StatusPages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QStringList Users = {"taro", "hanako", "jiro", "yuki", "sakura", "ken",
                           "mika", "sora",   "riku", "aoi",  "me",     "nao"};
const QStringList Phrases = {"今日はいい天気ですね。散歩に行ってきます",
                             "ラーメン食べたい http://tinyurl.com/abc123 <3",
                             "@me 了解です！また後で",
                             "仕事おわったー\n帰ります",
                             "新しいカメラ買った。写真撮りに行こう",
                             "眠い……"};
} // namespace

QByteArray StatusPageJson(qint32 firstID, int count) {
    QJsonArray array;
    for (int k = count - 1; k >= 0; --k) {
        const qint32 id = firstID + k;
        const QString user = Users[id % Users.size()];
        const QString text = Phrases[(id / 7) % Phrases.size()];
        array.append(QJsonObject{
            {"html", text},
            {"text", text},
            {"link", "http://wassr.jp/user/" + user + "/statuses/" + QString::number(id)},
            {"id", QString::number(id)},
            {"rid", QStringLiteral("r%1").arg(id, 9, 10, QLatin1Char('0'))},
            {"user_login_id", user},
            {"reply_user_login_id", text.startsWith('@') ? QJsonValue("me") : QJsonValue()},
            {"epoch", 1246400000.0 + id * 30},
            {"user", QJsonObject{{"screen_name", user + "さん"},
                                 {"profile_image_url",
                                  "http://wassr.jp/user/" + user + "/profile_img.png.64"}}},
        });
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

TFriends StatusPage(qint32 firstID, int count) {
    TFriends friends;
    friends.ParseJSON(StatusPageJson(firstID, count), 9);
    return friends;
}

TBenchPrefs::TBenchPrefs()
    : Prefs(Folder.filePath(QStringLiteral("b.ini")), Folder.filePath(QStringLiteral("b"))) {
    Prefs.Username = QStringLiteral("me");
    Prefs.NGWords = {QStringLiteral("禁止"), QStringLiteral("spam")};
    for (int i = 0; i < NumberedTabCount; ++i) {
        Prefs.FavIDs[size_t(i)] = {Users[i], Users[i + 5]};
        Prefs.PickupWords[size_t(i)] = {
            QStringList{"ラーメン", "カメラ", "天気", "仕事", "眠い"}[i],
            QStringLiteral("未使用の語")};
    }
}
