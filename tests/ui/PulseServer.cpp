#include "PulseServer.h"

#include <cstring>
#include <functional>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr int StartMsecs = 10000;
constexpr int PollMsecs = 10;
const QString SinkName = QStringLiteral("nul");

bool WaitFor(const std::function<bool()>& ready) {
    const QDeadlineTimer deadline(StartMsecs);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(PollMsecs);
    }
    return true;
}

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
    if (!WaitFor([&] { return QFileInfo::exists(socket) || !Server->IsRunning(); }) ||
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
    const QString file = Folder.filePath(QStringLiteral("recording.raw"));
    QFile::remove(file);
    if (parec.isEmpty() || !Server)
        return false;
    Recorder = std::make_unique<TChildProcess>(
        parec, QStringList{"-d", SinkName + ".monitor", "--raw", "--format=s16le",
                           "--rate=" + QString::number(RecordRate), "--channels=1",
                           "--latency-msec=20", file});
    // The monitor carries silence while nothing plays: data means it listens.
    return WaitFor([&] { return QFileInfo(file).size() > 0; });
}

std::vector<qint16> TPulseServer::StopRecording() {
    Recorder.reset();
    QFile file(Folder.filePath(QStringLiteral("recording.raw")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<qint16> samples(size_t(bytes.size()) / sizeof(qint16));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(qint16));
    return samples;
}
