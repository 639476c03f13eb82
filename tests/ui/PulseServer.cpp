#include "PulseServer.h"

#include <algorithm>
#include <cstring>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {
constexpr int StartMsecs = 10000;
const QString SinkName = QStringLiteral("nul");
// How long the sink is silent before a recording counts.
constexpr int QuietMsecs = 300;

} // namespace

TPulseServer::TPulseServer() {
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty()) {
        FFailure = QStringLiteral("pulseaudio is not installed (Debian package pulseaudio)");
        return;
    }
    const QString socket = Folder.filePath(QStringLiteral("native"));
    Server = std::make_unique<TChildProcess>(
        pulseaudio,
        QStringList{"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                    "--use-pid-file=no", "--log-level=error", "-L",
                    "module-null-sink sink_name=" + SinkName, "-L",
                    "module-native-protocol-unix auth-anonymous=1 socket=" + socket},
        QStringList{"HOME=" + Folder.path(), "XDG_RUNTIME_DIR=" + Folder.path(),
                    "PULSE_RUNTIME_PATH=" + Folder.path(),
                    "PULSE_STATE_PATH=" + Folder.filePath(QStringLiteral("state"))});
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket) || !Server->IsRunning(); },
                         StartMsecs) ||
        !Server->IsRunning()) {
        FFailure = QStringLiteral("pulseaudio did not start");
        return;
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
}

TPulseServer::~TPulseServer() {
    Recorder.reset();
    Server.reset();
    qunsetenv("PULSE_SERVER");
}

bool TPulseServer::StartRecording() {
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    QFile::remove(RecordingPath());
    if (parec.isEmpty() || !Server)
        return false;
    Recorder = std::make_unique<TChildProcess>(
        parec, QStringList{"-d", SinkName + ".monitor", "--raw", "--format=s16le",
                           "--rate=" + QString::number(RecordRate), "--channels=1",
                           "--latency-msec=20", RecordingPath()});
    // The monitor carries silence while nothing plays.
    constexpr size_t quiet = RecordRate * QuietMsecs / 1000;
    return QTest::qWaitFor(
        [&] {
            const std::vector<qint16> samples = Recorded();
            RecordingStart = samples.size();
            return samples.size() >= quiet && std::all_of(samples.end() - quiet, samples.end(),
                                                          [](qint16 s) { return s == 0; });
        },
        StartMsecs);
}

std::vector<qint16> TPulseServer::StopRecording() {
    Recorder.reset();
    const std::vector<qint16> samples = Recorded();
    return {samples.begin() + qsizetype(std::min(RecordingStart, samples.size())), samples.end()};
}

QString TPulseServer::RecordingPath() const {
    return Folder.filePath(QStringLiteral("recording.raw"));
}

std::vector<qint16> TPulseServer::Recorded() const {
    QFile file(RecordingPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<qint16> samples(size_t(bytes.size()) / sizeof(qint16));
    if (!samples.empty())
        std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(qint16));
    return samples;
}
