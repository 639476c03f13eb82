#pragma once

#include <QString>

#include "QuorbelPrefs.h"

// Collects the balloon text of one merge: each added status contributes at
// most one entry, newest first, at the points of the merge that the popup
// settings select.
class TNoticeCollector final {
public:
    explicit TNoticeCollector(const TQuorbelPrefs& prefs) : Prefs(prefs) {}

    // The merge takes up the next status.
    void BeginStatus(const QString& userID, const QString& text);

    void NewPoint();
    void ReplyPoint();
    void FavIDPoint(int i);
    void PickupPoint(int i);

    const QString& Text() const { return Notice; }

private:
    void AddEntry();

    const TQuorbelPrefs& Prefs;
    QString Notice;
    QString Entry;
    bool HasEntry = false;
};
