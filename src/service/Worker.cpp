#include "Worker.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QThread>

#include "Names.h"

namespace {
Q_LOGGING_CATEGORY(lcWorker, "quorbel.worker")

constexpr auto StartDelayStep = std::chrono::milliseconds(10);
constexpr auto WaitStep = std::chrono::milliseconds(2);

std::atomic<bool> StopFlag = false;
std::atomic<int> LiveWorkers = 0;

std::mutex TimeoutsLock;
TRequestTimeouts CurrentTimeouts;

// Opened once the UI thread is done with a worker's hand-back, or when the
// hand-back is dropped at shutdown.
class THandBackLatch final {
public:
    void Open() {
        const std::lock_guard guard(Lock);
        Opened = true;
        Changed.notify_all();
    }
    void Wait() {
        std::unique_lock lock(Lock);
        Changed.wait(lock, [this] { return Opened; });
    }

private:
    std::mutex Lock;
    std::condition_variable Changed;
    bool Opened = false;
};

struct TPendingHandBack {
    TWorker* Worker = nullptr;
    std::shared_ptr<THandBackLatch> Latch;
};

// Hand-backs waiting for the UI thread. They travel here, under our own lock,
// and not inside Qt's queued call, which only wakes the UI thread: so the
// ordering between the threads is one the thread sanitizer can follow.
std::mutex PendingLock;
std::deque<TPendingHandBack> Pending;
} // namespace

void RequestWorkersStop() {
    StopFlag = true;
    // Workers waiting for their hand-back go on without it.
    std::deque<TPendingHandBack> dropped;
    {
        const std::lock_guard guard(PendingLock);
        dropped.swap(Pending);
    }
    for (const TPendingHandBack& pending : dropped)
        pending.Latch->Open();
}

bool WorkersStopRequested() {
    return StopFlag;
}

void ResetWorkersStop() {
    StopFlag = false;
}

void SetRequestTimeouts(const TRequestTimeouts& timeouts) {
    const std::lock_guard guard(TimeoutsLock);
    CurrentTimeouts = timeouts;
}

TRequestTimeouts RequestTimeouts() {
    const std::lock_guard guard(TimeoutsLock);
    return CurrentTimeouts;
}

int LiveWorkerCount() {
    return LiveWorkers;
}

bool WaitForWorkers(std::chrono::milliseconds bound) {
    // Never block here outright: a worker may be waiting in its hand-back for
    // this very thread (the join-versus-blocking-call deadlock).
    const auto deadline = std::chrono::steady_clock::now() + bound;
    const QCoreApplication* app = QCoreApplication::instance();
    const bool deliver = app && QThread::currentThread() == app->thread();
    while (LiveWorkers > 0 && std::chrono::steady_clock::now() < deadline) {
        if (deliver)
            QCoreApplication::processEvents();
        std::this_thread::sleep_for(WaitStep);
    }
    return LiveWorkers == 0;
}

void TWorker::Start() {
    ++LiveWorkers;
    try {
        std::thread([this] { Run(); }).detach();
    } catch (...) {
        --LiveWorkers;
        delete this;
        throw;
    }
}

void TWorker::Run() {
    {
        const std::unique_ptr<TWorker> self(this);
        try {
            Execute();
        } catch (const std::exception& error) {
            // Nothing outside the outcome classification reaches the window.
            qCWarning(lcWorker) << "worker ended without a result:" << error.what();
        } catch (...) {
            qCWarning(lcWorker) << "worker ended without a result";
        }
    }
    --LiveWorkers;
}

bool TWorker::WaitStartDelay(int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (WorkersStopRequested())
            return false;
        std::this_thread::sleep_for(StartDelayStep);
    }
    return !WorkersStopRequested();
}

void TWorker::NotifyResult(int outcome) {
    if (WorkersStopRequested())
        return;
    Outcome = outcome;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !HasHandBack())
        return;
    const auto latch = std::make_shared<THandBackLatch>();
    {
        const std::lock_guard guard(PendingLock);
        if (WorkersStopRequested())
            return;
        Pending.push_back({this, latch});
    }
    // The application object outlives every window, so the wake-up is never
    // queued on a dead object; the receiver is checked where it lives.
    QMetaObject::invokeMethod(
        app, [] { DeliverHandBacks(); }, Qt::QueuedConnection);
    latch->Wait();
}

void TWorker::DeliverHandBacks() {
    for (;;) {
        TPendingHandBack next;
        {
            const std::lock_guard guard(PendingLock);
            if (Pending.empty())
                return;
            next = std::move(Pending.front());
            Pending.pop_front();
        }
        if (next.Worker->Receiver && !WorkersStopRequested()) {
            try {
                next.Worker->HandBack();
            } catch (const std::exception& error) {
                qCWarning(lcWorker) << "result handler failed:" << error.what();
            }
        }
        next.Latch->Open();
    }
}

THttpClient TWorker::MakeClient(const TClientSetup& setup) const {
    THttpClient client;
    client.SetStopFlag(&StopFlag);
    client.SetBodyCap(setup.BodyCap);
    THttpTimeouts timeouts = setup.SideRequest ? Timeouts.Side : Timeouts.Main;
    if (setup.TimeLeft) {
        timeouts.Connect = std::min(timeouts.Connect, *setup.TimeLeft);
        timeouts.Deadline = std::min(timeouts.Deadline, *setup.TimeLeft);
    }
    client.SetTimeouts(timeouts);
    client.SetHttp10(setup.Http10);
    if (setup.Identify) {
        client.SetBasicAuth(Prefs.Username.toUtf8(), Prefs.Password.toUtf8());
        client.AddHeader("X-Twitter-Client: " + ProgramName.toUtf8());
        client.AddHeader("X-Twitter-Client-Version: " + ProgramVersion.toUtf8());
        client.AddHeader("X-Twitter-Client-URL: " + Prefs.MakerURL.toUtf8() + "/quorbel.xml");
    }
    if (setup.UserAgent)
        client.SetUserAgent(ProgramUserAgent);
    if (Prefs.UseProxy)
        client.SetProxy({Prefs.ProxyServer.toUtf8(), Prefs.ProxyPort, Prefs.ProxyUser.toUtf8(),
                         Prefs.ProxyPass.toUtf8()});
    return client;
}

int TWorker::OutcomeOf(const THttpError& error) {
    return error.Kind == THttpErrorKind::Status && error.Status == 400 ? OutcomeApiLimit
                                                                       : OutcomeError;
}
