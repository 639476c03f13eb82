// Idle: the window open with 10,000 rows and no fetch; the CPU time the
// process uses in 60 s, and how often its event loop woke up meanwhile.
#include <chrono>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "FormMain.h"
#include "FormQuorbelMain.h"
#include "Friends.h"
#include "LazySoundOutput.h"
#include "Pictures.h"
#include "StatusLists.h"
#include "SystemTrayIcon.h"

namespace {

constexpr int RowCount = 10000;

double CpuMsecs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

QByteArray Statuses(int count) {
    QByteArray json = "[";
    for (int id = count; id >= 1; --id) {
        const QByteArray n = QByteArray::number(id);
        const QByteArray user = "user" + QByteArray::number(id % 37);
        json += R"({"id":")" + n + R"(","rid":"r)" + n + R"(","user_login_id":")" + user +
                R"(","reply_user_login_id":"","text":"今日は在宅勤務。静かに捗る )" + n +
                R"(","html":"","link":"","epoch":)" + QByteArray::number(1700000000 + id) +
                R"(,"user":{"screen_name":"","profile_image_url":"","protected":false}})";
        if (id > 1)
            json += ',';
    }
    return json + ']';
}

void RunLoop(int msecs) {
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_IdleWithRows(benchmark::State& state) {
    const int seconds = int(state.range(0));
    const QTemporaryDir folder;
    QFile ini(folder.filePath(QStringLiteral("quorbel.ini")));
    if (!ini.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the settings");
        return;
    }
    // The server refuses the start-up fetches at once; no fetch follows.
    ini.write("[Account]\nUsername=demo\nPassword=demo\n[Server]\n"
              "ApiURL=http://127.0.0.1:1\nTwitterApiURL=http://127.0.0.1:1\n"
              "WebURL=http://127.0.0.1:1\nMakerURL=http://127.0.0.1:1\n"
              "[Update]\nEnableAutoUpdate=0\n");
    ini.close();
    TFormQuorbelMain owner(std::make_unique<TSystemTrayIcon>(ProgramIcons()));
    TFormMain window(owner,
                     TProgramFiles{folder.path(), folder.filePath(QStringLiteral("quorbel")), {}},
                     std::make_unique<TLazySoundOutput>());
    TFriends friends;
    friends.ParseJSON(Statuses(RowCount));
    RunLoop(2000); // laid out and painted, the start-up fetches ended
    window.MergeStatuses(friends, KindTimeline);
    RunLoop(2000);

    int wakeups = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     [&wakeups] { ++wakeups; });
    for (auto _ : state) {
        const double cpuBefore = CpuMsecs();
        const auto started = std::chrono::steady_clock::now();
        RunLoop(seconds * 1000);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        state.counters["cpu_ms"] = CpuMsecs() - cpuBefore;
    }
    state.counters["wakeups"] = wakeups;
    state.counters["rows"] = window.Lists().Timeline().Count();
}
BENCHMARK(BM_IdleWithRows)->Arg(60)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
