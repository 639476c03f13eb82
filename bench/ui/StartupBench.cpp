// Start-up and memory: from exec to the first paint of the main window, and
// the resident memory once the first fetch is in, for the program (an
// account set, the service on loopback) and for a bare Qt window built
// alongside, measured in turns in the same run.
#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString BuildDir = QStringLiteral(QUORBEL_BUILD_DIR);
constexpr int WaitMsecs = 20000;

// A program started in the folder and followed up to its first paint; ended
// (SIGTERM, the way a session ends it) when the object goes.
class TStartedProgram final {
public:
    TStartedProgram(const QString& program, const QString& folder) {
        Process.setWorkingDirectory(folder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("quorbel.startup.debug=true"));
        Process.setProcessEnvironment(env);
        Process.setProcessChannelMode(QProcess::MergedChannels);
        const auto started = std::chrono::steady_clock::now();
        Process.start(program, {});
        QByteArray log;
        static const QRegularExpression paint(QStringLiteral("first paint at (\\d+) ns"));
        QRegularExpressionMatch match;
        while (!(match = paint.match(QString::fromLatin1(log))).hasMatch() &&
               Process.waitForReadyRead(WaitMsecs))
            log += Process.readAll();
        if (!match.hasMatch())
            return;
        const std::chrono::steady_clock::time_point painted{
            std::chrono::steady_clock::duration(match.captured(1).toLongLong())};
        PaintMs = std::chrono::duration<double, std::milli>(painted - started).count();
    }
    ~TStartedProgram() {
        Process.terminate();
        Process.waitForFinished(WaitMsecs);
    }

    // Milliseconds from just before the start to the first paint; -1 when
    // none was reported.
    double PaintMs = -1;

    // The main process's resident memory in KiB (VmRSS); 0 when unknown.
    qint64 ResidentKiB() const {
        QFile status(QStringLiteral("/proc/%1/status").arg(Process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        static const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+) kB"));
        const QRegularExpressionMatch match = rss.match(QString::fromLatin1(status.readAll()));
        return match.hasMatch() ? match.captured(1).toLongLong() : 0;
    }

private:
    QProcess Process;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The service the program fetches from during its start.
class TService final {
public:
    TService() {
        Process.start(BuildDir + QStringLiteral("/wassrd"), {QStringLiteral("--rate"), "0"});
        while (!Process.canReadLine() && Process.waitForReadyRead(WaitMsecs)) {
        }
        Base =
            QStringLiteral("http://127.0.0.1:") + QString::fromLatin1(Process.readLine().trimmed());
    }
    ~TService() {
        Process.terminate();
        Process.waitForFinished(WaitMsecs);
    }
    QString Base;

private:
    QProcess Process;
};

// The service, and a folder of its own with a copy of the program and
// settings that point every address at it: the program starts with an account.
class TProgramFolder final {
public:
    TProgramFolder() : Program(Folder.filePath(QStringLiteral("quorbel"))) {
        QFile::copy(BuildDir + QStringLiteral("/quorbel"), Program);
        QFile ini(Folder.filePath(QStringLiteral("quorbel.ini")));
        Ready = ini.open(QIODevice::WriteOnly) &&
                ini.write(QStringLiteral("[Account]\nUsername=demo\nPassword=demo\n[Server]\n"
                                         "ApiURL=%1\nTwitterApiURL=%1\nWebURL=%1\nMakerURL=%1\n"
                                         "ShortURLPrefix=%1/s/\n")
                              .arg(Service.Base)
                              .toUtf8()) > 0;
    }

    QString Path() const { return Folder.path(); }

    const TService Service;
    const QTemporaryDir Folder;
    const QString Program;
    bool Ready = false;
};

const QString BareWindow = BuildDir + QStringLiteral("/bench/bare_window");

void BM_StartupToFirstPaint(benchmark::State& state) {
    const TProgramFolder folder;
    if (!folder.Ready) {
        state.SkipWithError("cannot write the settings");
        return;
    }
    std::vector<double> bareTimes;
    std::vector<double> programTimes;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const double bareMs = TStartedProgram(BareWindow, folder.Path()).PaintMs;
        const double programMs = TStartedProgram(folder.Program, folder.Path()).PaintMs;
        if (bareMs < 0 || programMs < 0) {
            state.SkipWithError("no first paint reported");
            return;
        }
        bareTimes.push_back(bareMs);
        programTimes.push_back(programMs);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    const double bareMedian = Median(bareTimes);
    const double programMedian = Median(programTimes);
    state.counters["bare_ms"] = bareMedian;
    state.counters["quorbel_ms"] = programMedian;
    state.counters["ratio"] = programMedian / bareMedian;
}
BENCHMARK(BM_StartupToFirstPaint)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);

// Resident memory of the main process once the window stands and the first
// fetch is in (the lists made after the first paint, icons decoded), for the
// program and for the bare window, each started in turn.
constexpr auto Settle = std::chrono::seconds(3);

void BM_ResidentMemory(benchmark::State& state) {
    const TProgramFolder folder;
    if (!folder.Ready) {
        state.SkipWithError("cannot write the settings");
        return;
    }
    std::vector<double> bareKiB;
    std::vector<double> programKiB;
    for (auto _ : state) {
        for (auto [program, sizes] :
             {std::pair(BareWindow, &bareKiB), std::pair(folder.Program, &programKiB)}) {
            const TStartedProgram started(program, folder.Path());
            std::this_thread::sleep_for(Settle);
            sizes->push_back(double(started.ResidentKiB()));
        }
    }
    const double bareMedian = Median(bareKiB);
    const double programMedian = Median(programKiB);
    state.counters["bare_mib"] = bareMedian / 1024;
    state.counters["quorbel_mib"] = programMedian / 1024;
    state.counters["ratio"] = bareMedian > 0 ? programMedian / bareMedian : 0;
}
BENCHMARK(BM_ResidentMemory)->Iterations(3)->Unit(benchmark::kSecond);

} // namespace
