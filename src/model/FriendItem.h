#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "TimeUtil.h"

// One status as the service delivers it; lives only inside a fetch worker's run.
struct TFriendItem {
    TDateTime Date{};
    QByteArray Link;
    QByteArray ProfileImageURL;
    QString Text;
    QString UserID;
    qint32 ID = 0;
    QString ReplyUserID;
    QString Html;
    int IconIndex = 0; // image index in the row image list, -1 for none
    QImage Icon;       // the row icon, 13x13 logical pixels; null = none
    QString ScreenName;
    QByteArray Rid;
};
