#include "TimelineFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

TFriends MakeFriends(const QList<TStatusSpec>& newestFirst) {
    QJsonArray array;
    for (const TStatusSpec& s : newestFirst) {
        QJsonObject status{
            {"html", s.Text},
            {"text", s.Text},
            {"link", "http://wassr.jp/user/" + s.User + "/statuses/" + QString::number(s.ID)},
            {"id", QString::number(s.ID)},
            {"rid", QStringLiteral("rid%1").arg(s.ID, 7, 10, QLatin1Char('0'))},
            {"user_login_id", s.User},
            {"reply_user_login_id", s.ReplyTo.isEmpty() ? QJsonValue() : QJsonValue(s.ReplyTo)},
            {"epoch", s.Epoch >= 0 ? s.Epoch : 1246400000.0 + s.ID * 60},
            {"user", QJsonObject{{"screen_name", s.User + "さん"},
                                 {"profile_image_url", "http://wassr.jp/user/" + s.User + "/i"}}},
        };
        array.append(status);
    }
    TFriends friends;
    friends.ParseJSON(QJsonDocument(array).toJson(), 0);
    return friends;
}

TTimelineFixture::TTimelineFixture()
    : Prefs(Folder.filePath(QStringLiteral("q.ini")), Folder.filePath(QStringLiteral("q"))) {
    Prefs.Username = QStringLiteral("me");
}

TMergeResult TTimelineFixture::Merge(const QList<TStatusSpec>& newestFirst, const QString& kind) {
    return Lists.MergeStatuses(MakeFriends(newestFirst), kind, Prefs);
}

QStringList TTimelineFixture::Captions(int j) const {
    QStringList captions;
    for (int i = 0; i < Lists.List(j).Count(); ++i)
        captions.append(Lists.List(j).Row(i).Caption);
    return captions;
}

QList<int> TTimelineFixture::States(int j) const {
    QList<int> states;
    for (int i = 0; i < Lists.List(j).Count(); ++i)
        states.append(Lists.List(j).Row(i).StateIndex);
    return states;
}
