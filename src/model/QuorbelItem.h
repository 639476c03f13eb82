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
    // Its timeline row (author ID and display text) is drawn as it is stored:
    // no carrier emoji, no controls left out. The search then reads the row
    // as it is instead of drawing it again. Set as the status joins the timeline.
    bool RowDrawnAsStored = false;
    QString UserID{};
    QString ReplyUserID{};
    QString ScreenName{};
    QString Text{};
    QString ProfileImageURL{};
    QByteArray Link{};
    QByteArray Rid{};
};
