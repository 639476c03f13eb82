#pragma once

#include <QByteArray>
#include <QString>

#include "TimeUtil.h"

// A status as the window keeps it: owned by its timeline row, shared by every
// other row that shows the same status.
struct TQuorbelItem {
    qint32 ID = 0;
    TDateTime Date{};
    bool IsMessage = false;
    QString UserID{};
    QString ReplyUserID{};
    QString ScreenName{};
    QString Text{};
    QString ProfileImageURL{};
    QByteArray Link{};
    QByteArray Rid{};
};
