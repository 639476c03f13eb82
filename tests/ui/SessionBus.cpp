#include "SessionBus.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QStandardPaths>

#include "TestPaths.h"

namespace {
constexpr int StartMsecs = 10000;
constexpr int PollMsecs = 10;
} // namespace

TSessionBus::TSessionBus(const QStringList& hostArgs) {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        FFailure = QStringLiteral("dbus-daemon is not installed (Debian package dbus)");
        return;
    }
    Daemon = std::make_unique<TChildProcess>(
        daemon, QStringList{"--session", "--nofork", "--nopidfile", "--print-address=1"});
    FAddress = QString::fromUtf8(Daemon->ReadLine(StartMsecs));
    if (FAddress.isEmpty()) {
        FFailure = QStringLiteral("dbus-daemon did not start a session bus");
        return;
    }
    Host = std::make_unique<TChildProcess>(BuildPath(QStringLiteral("tests/snihost")), hostArgs,
                                           QStringList{"DBUS_SESSION_BUS_ADDRESS=" + FAddress});
    const QJsonObject ready = NextEvent(StartMsecs);
    if (ready[QStringLiteral("event")] != QStringLiteral("ready")) {
        FFailure = QStringLiteral("the StatusNotifier host did not start: ") +
                   QString::fromUtf8(QJsonDocument(ready).toJson(QJsonDocument::Compact));
        return;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", FAddress.toUtf8());
}

TSessionBus::~TSessionBus() {
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

QJsonObject TSessionBus::NextEvent(int msecs) {
    // The window's own events keep flowing while the host is listened to.
    const QDeadlineTimer deadline(msecs);
    while (Host && !deadline.hasExpired()) {
        const QByteArray line = Host->ReadLine(PollMsecs);
        if (!line.isEmpty())
            return QJsonDocument::fromJson(line).object();
        QCoreApplication::processEvents();
    }
    return {};
}
