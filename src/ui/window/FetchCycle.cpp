#include "FetchCycle.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include <QTimer>

#include "IconList.h"
#include "QuorbelPrefs.h"
#include "RequestSettings.h"
#include "StatusLists.h"
#include "TwitterFriends.h"
#include "TwitterReplies.h"

namespace {

// A period in seconds; 0 or less leaves the timer off, as a zero-period
// timer would fire without pause.
void StartTimerSeconds(QTimer* timer, int seconds) {
    if (seconds <= 0) {
        timer->stop();
        return;
    }
    timer->start(int(std::min<qint64>(qint64(seconds) * 1000, std::numeric_limits<int>::max())));
}

// The status-bar text of a failed fetch; empty for an outcome that shows none.
QString FetchFailureText(const QString& kind, int outcome) {
    switch (outcome) {
    case OutcomeError:
        return kind + QStringLiteral("取得エラー");
    case OutcomeApiLimit:
        return kind + QStringLiteral("取得エラー(API制限)");
    case OutcomeParseError:
        return kind + QStringLiteral("XMLパースエラー");
    default:
        return {};
    }
}

} // namespace

TFetchCycle::TFetchCycle(QObject* parent, TWindowParts parts)
    : QObject(parent), Parts(std::move(parts)), IconList(std::make_shared<TIconList>()),
      FTimerMain(new QTimer(this)), FTimerDM(new QTimer(this)) {
    setObjectName(QStringLiteral("FetchCycle"));
    FTimerMain->setObjectName(QStringLiteral("TimerMain"));
    connect(FTimerMain, &QTimer::timeout, this, &TFetchCycle::TimerMainTimer);
    FTimerDM->setObjectName(QStringLiteral("TimerDM"));
}

void TFetchCycle::Start() {
    StartTimerSeconds(FTimerMain, Parts.Prefs.Interval);
    StartFriendsFetch(0);
    StartTimerSeconds(FTimerDM, Parts.Prefs.MesInterval);
    StartRepliesFetch(0);
}

void TFetchCycle::StartFriendsFetch(int delay) {
    if (Parts.Prefs.Username.isEmpty() || Parts.Prefs.Password.isEmpty())
        return;
    Parts.ShowStatus(KindTimeline + QStringLiteral("取得中..."));
    auto* worker = new TTwitterFriends(TRequestSettings::FromPrefs(Parts.Prefs));
    worker->OnResult = [this](const TTwitterFetch& done, int outcome) {
        FetchDone(done, outcome, KindTimeline);
    };
    // A fetch that could not start brings no result to switch the timer on again.
    if (StartFetch(worker, delay, KindTimeline))
        FTimerMain->stop();
}

void TFetchCycle::StartRepliesFetch(int delay) {
    if (Parts.Prefs.Username.isEmpty() || Parts.Prefs.Password.isEmpty())
        return;
    Parts.ShowStatus(KindReplies + QStringLiteral("取得中..."));
    auto* worker = new TTwitterReplies(TRequestSettings::FromPrefs(Parts.Prefs));
    worker->OnResult = [this](const TTwitterFetch& done, int outcome) {
        FetchDone(done, outcome, KindReplies);
    };
    StartFetch(worker, delay, KindReplies);
}

bool TFetchCycle::StartFetch(TTwitterFetch* worker, int delay, const QString& kind) {
    worker->StartDelay = delay;
    worker->IconList = IconList;
    worker->ImageList = &Parts.ImageListHit;
    worker->Receiver = this;
    try {
        worker->Start();
    } catch (const std::system_error&) {
        // No thread for the request (the worker is gone already).
        Parts.ShowStatus(kind + QStringLiteral("取得エラー"));
        return false;
    }
    return true;
}

void TFetchCycle::FetchDone(const TTwitterFetch& worker, int outcome, const QString& kind) {
    EnableTimerMain();
    if (outcome == OutcomeDone) {
        Parts.MergeStatuses(worker.Friends, kind);
        return;
    }
    if (const QString text = FetchFailureText(kind, outcome); !text.isEmpty())
        Parts.ShowStatus(text);
}

void TFetchCycle::EnableTimerMain() {
    // An enabled timer runs on undisturbed; one that was off starts a full period.
    if (!FTimerMain->isActive() && Parts.Prefs.Interval > 0)
        StartTimerSeconds(FTimerMain, Parts.Prefs.Interval);
}

void TFetchCycle::TimerMainTimer() {
    if (Parts.Prefs.EnableAutoUpdate)
        StartFriendsFetch(0);
}
