// A day in the life: the window against a local service that brings news
// fast, serves hostile statuses (rids that would reshape a request, bidi
// controls, zero characters) and fails one request in ten in every way it
// can, a trickle just above the low-speed limit among them. Time runs 120
// times faster: the one-minute refresh takes half a second and every
// time-out is cut to match, for as many fetches as a day of one-minute
// refreshes (or the time limit, whichever comes first), each with a replies
// fetch beside it. At the end the refresh cycle must still run and every
// status the service served must sit in the timeline exactly once.
#include <chrono>
#include <cstdio>

#include <httplib.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "StatusListModel.h"
#include "TimeoutsOverride.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

namespace {

using namespace std::chrono_literals;

constexpr int FetchesPerDay = 24 * 60;
constexpr qint64 WarmUpMsecs = 60000;
// One minute of the day, the default refresh period.
constexpr int TickMsecs = 500;
// The time-outs at the same pace; libcurl counts the low-speed time in
// whole seconds, so it stays at one.
const TRequestTimeouts SoakTimeouts{
    .Main = {.Connect = 170ms, .LowSpeed = 1s, .Deadline = 1000ms},
    .Side = {.Connect = 170ms, .LowSpeed = 1s, .Deadline = 250ms},
    .SideTotal = 250ms,
};

int EnvInt(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

QSet<qint64> Served(const TWassrdServer& server) {
    QSet<qint64> ids;
    httplib::Client client("127.0.0.1", server.Port());
    const auto reply = client.Get("/admin/served");
    if (!reply)
        return ids;
    for (const QJsonValue& id :
         QJsonDocument::fromJson(QByteArray::fromStdString(reply->body)).array())
        ids.insert(id.toInteger());
    return ids;
}

class SoakTest : public TWindowFixture {};

TEST_F(SoakTest, ADayOfFetchesAgainstAFaultyService) {
    const int minutes = EnvInt("QUORBEL_SOAK_MINUTES", 25);
    const TTimeoutsOverride timeouts(SoakTimeouts);
    TWassrdServer server(
        {"--rate", "0.1", "--fault-rate", "10", "--hostile-rate", "10", "--initial", "40"});
    Open(server.IniLines() + QStringLiteral("[Update]\nInterval=1\nMesInterval=600\n"));
    auto* timerMain = Main().findChild<QTimer*>(QStringLiteral("TimerMain"));
    ASSERT_NE(timerMain, nullptr);
    auto* reloadReply = Main().findChild<QAction*>(QStringLiteral("ActionExecuteReloadReply"));
    ASSERT_NE(reloadReply, nullptr);
    // The window restarts its timer with its shortest period, one second,
    // after every result; the soak takes it down to the day's pace.
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [timerMain] {
        if (timerMain->isActive() && timerMain->interval() > TickMsecs)
            timerMain->start(TickMsecs);
    });
    pace.start(5);
    // Each tick stands for one minute of a day; the user asks for the
    // replies with each one.
    int ticks = 0;
    QObject::connect(timerMain, &QTimer::timeout, [&ticks, reloadReply] {
        ++ticks;
        reloadReply->trigger();
    });
    const qint64 before = ResidentBytes();

    // After the first minute the threads' heaps and the caches of the text
    // drawing have their size: growth from there on is what the statuses cost.
    qint64 warmBytes = 0;
    int warmRows = 0;
    QElapsedTimer clock;
    clock.start();
    while (ticks < FetchesPerDay && clock.elapsed() < minutes * 60000) {
        RunEventLoop(1000);
        if (warmRows == 0 && clock.elapsed() >= WarmUpMsecs) {
            warmBytes = ResidentBytes();
            warmRows = List(0).Count();
        }
    }

    // Calm the service, let one more fetch land, then stop refreshing.
    ASSERT_TRUE(server.Admin(QStringLiteral("/admin/reset")));
    const int lastTicks = ticks;
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > lastTicks + 2; }, 180000))
        << "the refresh cycle stopped";
    pace.stop();
    timerMain->stop();
    ASSERT_TRUE(WaitUntilIdle());
    RunEventLoop(200);

    const TStatusListModel& timeline = List(0);
    QSet<qint64> shown;
    int duplicates = 0;
    for (int i = 0; i < timeline.Count(); ++i) {
        if (!timeline.ItemAt(i))
            continue;
        const qint64 id = timeline.ItemAt(i)->ID;
        duplicates += shown.contains(id);
        shown.insert(id);
    }
    int hostile = 0;
    for (int i = 0; i < timeline.Count(); ++i)
        hostile += timeline.ItemAt(i) && timeline.ItemAt(i)->UserID == QLatin1String("spoofu");
    const QSet<qint64> served = Served(server);
    const qint64 after = ResidentBytes();
    std::printf("soak: %d fetches in %.1f min, %d statuses served, %lld in the timeline, "
                "%d duplicates, %lld served but missing, resident growth %.0f bytes per status "
                "(%.0f after the first minute)\n",
                ticks, clock.elapsed() / 60000.0, int(served.size()), qint64(shown.size()),
                duplicates, qint64((served - shown).size()),
                timeline.Count() ? double(after - before) / timeline.Count() : 0.0,
                timeline.Count() > warmRows && warmRows > 0
                    ? double(after - warmBytes) / (timeline.Count() - warmRows)
                    : 0.0);
    std::printf("soak: %d hostile statuses in the timeline\n", hostile);
    std::printf("soak: status bar: %s\n", qPrintable(Panel(0)));
    EXPECT_EQ(duplicates, 0);
    EXPECT_EQ(served - shown, QSet<qint64>());
    EXPECT_FALSE(Panel(0).isEmpty());
}

} // namespace
