#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QString>

class QTimer;
class TFriends;
class TIconList;
class TImageList;
class TQuorbelPrefs;
class TTwitterFetch;

// The timeline and replies fetches and the timers that repeat them: TimerMain
// fetches the timeline, TimerDM gives the update check back. A fetch's
// statuses go to the window's merge; a failure writes its text to the first
// status-bar panel. The timeline timer pauses while a timeline fetch runs.
class TFetchCycle final : public QObject {
    Q_OBJECT
public:
    // What the fetches take from the window and hand back to it.
    struct TWindowParts {
        const TQuorbelPrefs& Prefs;
        TImageList& ImageListHit;
        // Writes the first status-bar panel.
        std::function<void(const QString&)> ShowStatus;
        // Adds the statuses of a fetch of the kind (KindTimeline, KindReplies).
        std::function<void(const TFriends&, const QString&)> MergeStatuses;
    };

    // parent: the window, which receives the fetches' results.
    TFetchCycle(QObject* parent, TWindowParts parts);

    QTimer& TimerMain() const { return *FTimerMain; }
    QTimer& TimerDM() const { return *FTimerDM; }

    // The timers on with their periods, then the first timeline and replies fetches.
    void Start();
    // Fetches after delay seconds; nothing happens while the account is incomplete.
    void StartFriendsFetch(int delay);
    void StartRepliesFetch(int delay);

private:
    // False when no thread could be made for it.
    bool StartFetch(TTwitterFetch* worker, int delay, const QString& kind);
    void FetchDone(const TTwitterFetch& worker, int outcome, const QString& kind);
    void EnableTimerMain();
    void TimerMainTimer();

    TWindowParts Parts;
    std::shared_ptr<TIconList> IconList;
    QTimer* FTimerMain;
    QTimer* FTimerDM;
};
