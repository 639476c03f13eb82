#include "Worker.h"

#include <atomic>
#include <exception>
#include <memory>
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
} // namespace

void RequestWorkersStop() {
    StopFlag = true;
}

bool WorkersStopRequested() {
    return StopFlag;
}

void ResetWorkersStop() {
    StopFlag = false;
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
    // The application object outlives every window, so the call is never
    // queued on a dead object; the receiver is checked where it lives.
    QMetaObject::invokeMethod(
        app,
        [this] {
            if (!Receiver || WorkersStopRequested())
                return;
            try {
                HandBack();
            } catch (const std::exception& error) {
                qCWarning(lcWorker) << "result handler failed:" << error.what();
            }
        },
        Qt::BlockingQueuedConnection);
}

THttpClient TWorker::MakeClient(const TClientSetup& setup) const {
    THttpClient client;
    client.SetStopFlag(&StopFlag);
    client.SetBodyCap(setup.BodyCap);
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
