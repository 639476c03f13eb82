// Start-up: from exec to the first paint of the main window, for the program
// (an account set, the service on loopback) and for a bare Qt window built
// alongside, measured in turns in the same run.
#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString BuildDir = QStringLiteral(QUORBEL_BUILD_DIR);
constexpr int WaitMsecs = 20000;

// Milliseconds from just before the start to the first paint; -1 on failure.
double StartToFirstPaint(const QString& program, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quorbel.startup.debug=true"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    const auto started = std::chrono::steady_clock::now();
    process.start(program, {});
    QByteArray log;
    static const QRegularExpression paint(QStringLiteral("first paint at (\\d+) ns"));
    QRegularExpressionMatch match;
    while (!(match = paint.match(QString::fromLatin1(log))).hasMatch() &&
           process.waitForReadyRead(WaitMsecs))
        log += process.readAll();
    process.terminate();
    process.waitForFinished(WaitMsecs);
    if (!match.hasMatch())
        return -1;
    const std::chrono::steady_clock::time_point painted{
        std::chrono::steady_clock::duration(match.captured(1).toLongLong())};
    return std::chrono::duration<double, std::milli>(painted - started).count();
}

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

void BM_StartupToFirstPaint(benchmark::State& state) {
    const TService service;
    const QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("quorbel"));
    QFile::copy(BuildDir + QStringLiteral("/quorbel"), program);
    QFile ini(folder.filePath(QStringLiteral("quorbel.ini")));
    if (!ini.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the settings");
        return;
    }
    ini.write(QStringLiteral("[Account]\nUsername=demo\nPassword=demo\n[Server]\nApiURL=%1\n"
                             "TwitterApiURL=%1\nWebURL=%1\nMakerURL=%1\nShortURLPrefix=%1/s/\n")
                  .arg(service.Base)
                  .toUtf8());
    ini.close();
    const QString bare = BuildDir + QStringLiteral("/bench/bare_window");

    std::vector<double> bareTimes;
    std::vector<double> programTimes;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const double bareMs = StartToFirstPaint(bare, folder.path());
        const double programMs = StartToFirstPaint(program, folder.path());
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

} // namespace
