#pragma once

#include <array>
#include <memory>

#include <QHash>
#include <QObject>

#include "Friends.h"
#include "MergeResult.h"
#include "Names.h"
#include "QuorbelPrefs.h"
#include "StatusListModel.h"

// The fourteen lists of the main window in ListViewNames order, and the merge
// of fetched statuses into them. The timeline list owns the status records;
// every other list refers to them.
class TStatusLists final : public QObject {
    Q_OBJECT
public:
    explicit TStatusLists(QObject* parent = nullptr);

    TStatusListModel& List(int j) { return *Lists[size_t(j)]; }
    const TStatusListModel& List(int j) const { return *Lists[size_t(j)]; }
    TStatusListModel& Timeline() { return List(TabTimeline); }

    // True when the timeline holds a status with this ID.
    bool IsKnownID(qint32 id) const { return KnownIDs.contains(id); }
    qint32 LastTopID() const { return TopID; }

    // Adds the fetched statuses (newest first, as the service lists them) to the
    // lists, oldest first, and sorts the lists when EnableSort is on. kind is
    // "フレンド・タイムライン" or "返信". On a failure midway the rows added so far
    // stay and the exception propagates; the caller shows the kind's error text.
    TMergeResult MergeStatuses(const TFriends& friends, const QString& kind,
                               const TQuorbelPrefs& prefs);

    // Sorts the timeline, reply, pickup-word and favourite-ID lists.
    void SortLists(bool reverse);

private:
    std::array<std::unique_ptr<TStatusListModel>, TabCount> Lists;
    QHash<qint32, TQuorbelItem*> KnownIDs;
    qint32 TopID = 0;
};

// The fetch kinds and their texts.
inline const QString KindTimeline = QStringLiteral("フレンド・タイムライン");
inline const QString KindReplies = QStringLiteral("返信");
