#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// One status as the service keeps it.
struct TFeedStatus final {
    int Id = 0;
    QString Rid;
    QString UserLogin;
    QString Text;
    qint64 Epoch = 0;
    std::optional<QString> ReplyUserLoginId; // no value: JSON null
    // The status replied to, all empty for none; copied when the reply is made
    // so that the reply still reads right after its target is deleted.
    QString ReplyStatusRid;
    QString ReplyStatusUser;
    QString ReplyMessage;
    QString ReplyUserNick;
    bool HasUser = true; // false: the "user" object is left out
    QStringList Favorites;
    bool HasPhoto = false;
    QString AreaName;
};
