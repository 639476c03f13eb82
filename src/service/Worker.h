#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QObject>
#include <QPointer>

#include "HttpClient.h"
#include "RequestSettings.h"

// The one outcome a worker hands back.
inline constexpr int OutcomeDone = 13;
inline constexpr int OutcomeError = 14;
inline constexpr int OutcomeApiLimit = 15; // the service answered 400: request limit reached
inline constexpr int OutcomeParseError = 16;

// Shutdown: from now on waiting workers end, running transfers are abandoned
// and no hand-back reaches the UI thread; workers already waiting for theirs
// go on without it. Call it before the application object goes away.
void RequestWorkersStop();
bool WorkersStopRequested();
// Lets the calling (UI) thread deliver queued hand-backs while it waits up to
// the bound for every started worker to end. True when none is left.
bool WaitForWorkers(std::chrono::milliseconds bound);
int LiveWorkerCount();
// Clears the stop flag again; for tests that stop workers and go on.
void ResetWorkersStop();

// The time-outs of the main requests (timeline, replies, posts, favourites,
// deletions) and of the side requests that only add to them (icons, short
// URLs, the version file, the rate limit).
struct TRequestTimeouts {
    THttpTimeouts Main;
    THttpTimeouts Side{.Deadline = std::chrono::seconds(30)};
    // All side requests of one fetch together: past it the fetch hands back
    // what it has, so the refresh cycle never waits longer for icons and
    // short URLs, however many of them hang.
    std::chrono::milliseconds SideTotal = std::chrono::seconds(30);
};
// Every worker made from now on takes these; tests and the soak shorten them.
void SetRequestTimeouts(const TRequestTimeouts& timeouts);
TRequestTimeouts RequestTimeouts();

// One request on a thread of its own. Made on the UI thread with a snapshot of
// the settings, started once, then owned by its thread, which deletes it.
class TWorker {
public:
    virtual ~TWorker() = default;
    TWorker(const TWorker&) = delete;
    TWorker& operator=(const TWorker&) = delete;

    // Runs the worker on a detached thread. The caller keeps no pointer to it.
    void Start();

    const TRequestSettings Prefs;
    int Outcome = 0;
    // The hand-back runs on the UI thread, and only while this object lives.
    QPointer<QObject> Receiver;

protected:
    explicit TWorker(TRequestSettings prefs)
        : Prefs(std::move(prefs)), Timeouts(RequestTimeouts()) {}

    // The request and its processing, on the worker thread; ends with one
    // NotifyResult or none.
    virtual void Execute() = 0;
    virtual bool HasHandBack() const = 0;
    // On the UI thread while the worker waits.
    virtual void HandBack() = 0;

    // Waits the start delay in 10 ms steps; false when told to stop meanwhile.
    static bool WaitStartDelay(int seconds);
    void NotifyResult(int outcome);

    struct TClientSetup {
        bool Identify = false;  // credentials and the client identification lines
        bool UserAgent = false; // the program's own user agent
        bool Http10 = false;
        qsizetype BodyCap = DefaultBodyCap;
        bool SideRequest = false; // the shorter deadline
        // When given: the exchange, connecting included, ends within this.
        std::optional<std::chrono::milliseconds> TimeLeft{};
    };
    // A client with the proxy settings applied (or none), plus what the setup asks for.
    THttpClient MakeClient(const TClientSetup& setup) const;
    static int OutcomeOf(const THttpError& error);

    const TRequestTimeouts Timeouts;

private:
    void Run();
    // On the UI thread: runs the hand-backs that are waiting, one at a time,
    // and lets each worker go on when its hand-back has returned.
    static void DeliverHandBacks();
};

// The frame with the result handler typed for the worker class T.
template <class T>
class TWorkerOf : public TWorker {
public:
    std::function<void(const T&, int)> OnResult;

protected:
    using TWorker::TWorker;

    bool HasHandBack() const override { return bool(OnResult); }
    void HandBack() override { OnResult(static_cast<const T&>(*this), Outcome); }
};
