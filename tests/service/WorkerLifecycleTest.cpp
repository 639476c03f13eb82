#include <chrono>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include "RecordingServer.h"
#include "TwitterFriends.h"
#include "TwitterRateLimit.h"
#include "TwitterUpdate.h"
#include "WorkerRun.h"

namespace {
using namespace std::chrono_literals;

// A server whose answers never come until the test ends.
TRecordingServer::THandler NeverAnswer(const TRecordingServer* const& server) {
    return [&server](const httplib::Request&, httplib::Response&) {
        while (!server->ReleaseRequested())
            std::this_thread::sleep_for(5ms);
    };
}

void WaitForRequest(const TRecordingServer& server) {
    const auto deadline = std::chrono::steady_clock::now() + WorkerBound;
    while (server.Requests().empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
}

class WorkerLifecycle : public testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(WaitForWorkers(WorkerBound));
        ResetWorkersStop();
    }
};

TEST_F(WorkerLifecycle, HandBackRunsOnTheUiThreadWhileTheWorkerWaits) {
    TRecordingServer server;
    bool onUiThread = false;
    int liveDuringHandBack = 0;
    EXPECT_EQ(RunWorker(new TTwitterUpdate(ServerSettings(server)),
                        [&](const TTwitterUpdate&) {
                            onUiThread = QThread::currentThread() == qApp->thread();
                            liveDuringHandBack = LiveWorkerCount();
                        }),
              OutcomeDone);
    EXPECT_TRUE(onUiThread);
    EXPECT_EQ(liveDuringHandBack, 1);
    EXPECT_EQ(LiveWorkerCount(), 0);
}

TEST_F(WorkerLifecycle, WorkerWithoutHandlerRunsToTheEnd) {
    TRecordingServer server;
    auto* update = new TTwitterUpdate(ServerSettings(server));
    update->Start();
    EXPECT_TRUE(WaitForWorkers(WorkerBound));
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(WorkerLifecycle, StopEndsAWorkerStuckOnAServerThatNeverAnswers) {
    const TRecordingServer* self = nullptr;
    TRecordingServer server(NeverAnswer(self));
    self = &server;
    QObject receiver;
    bool handedBack = false;
    auto* fetch = new TTwitterFriends(ServerSettings(server));
    fetch->Receiver = &receiver;
    fetch->OnResult = [&](const TTwitterFetch&, int) { handedBack = true; };
    fetch->Start();
    WaitForRequest(server);
    ASSERT_EQ(LiveWorkerCount(), 1);

    const auto stopped = std::chrono::steady_clock::now();
    RequestWorkersStop();
    EXPECT_TRUE(WaitForWorkers(WorkerBound));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - stopped);
    RecordProperty("StopMilliseconds", int(took.count()));
    EXPECT_LT(took, 10s); // loose: it ends on the flag, not on a time-out
    EXPECT_FALSE(handedBack);
}

TEST_F(WorkerLifecycle, StopEndsAStartDelayWithoutARequest) {
    TRecordingServer server;
    QObject receiver;
    bool handedBack = false;
    auto* rateLimit = new TTwitterRateLimit(ServerSettings(server));
    rateLimit->StartDelay = 3600;
    rateLimit->Receiver = &receiver;
    rateLimit->OnResult = [&](const TTwitterRateLimit&, int) { handedBack = true; };
    rateLimit->Start();
    std::this_thread::sleep_for(30ms);
    RequestWorkersStop();
    EXPECT_TRUE(WaitForWorkers(WorkerBound));
    EXPECT_FALSE(handedBack);
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WorkerLifecycle, StopReleasesAWorkerWaitingForItsHandBack) {
    TRecordingServer server;
    QObject receiver;
    bool handedBack = false;
    auto* update = new TTwitterUpdate(ServerSettings(server));
    update->Receiver = &receiver;
    update->OnResult = [&](const TTwitterUpdate&, int) { handedBack = true; };
    update->Start();
    WaitForRequest(server);
    std::this_thread::sleep_for(100ms); // the worker now waits for this thread
    RequestWorkersStop();
    // No event is delivered here: the stop alone lets the worker end.
    const auto deadline = std::chrono::steady_clock::now() + WorkerBound;
    while (LiveWorkerCount() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(LiveWorkerCount(), 0);
    EXPECT_FALSE(handedBack);
}

TEST_F(WorkerLifecycle, NoHandBackReachesAReceiverThatIsGone) {
    const TRecordingServer* self = nullptr;
    TRecordingServer server(NeverAnswer(self));
    self = &server;
    auto receiver = std::make_unique<QObject>();
    bool handedBack = false;
    auto* update = new TTwitterUpdate(ServerSettings(server));
    update->Receiver = receiver.get();
    update->OnResult = [&](const TTwitterUpdate&, int) { handedBack = true; };
    update->Start();
    WaitForRequest(server);
    receiver.reset();
    server.Release();
    EXPECT_TRUE(WaitForWorkers(WorkerBound));
    EXPECT_FALSE(handedBack);
}
} // namespace
