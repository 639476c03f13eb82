#include "SingleInstance.h"

#include <sys/file.h>

#include <QDir>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcInstance, "quorbel.instance", QtWarningMsg)

constexpr int ConnectMsecs = 1000;
const QByteArray ShowRequest = "show\n";

QString RuntimeFolder() {
    // Per user, as a second user's copy of the same file must run on its own.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& key, QObject* parent)
    : QObject(parent), SocketPath(RuntimeFolder() + QLatin1Char('/') + key),
      LockFile(SocketPath + QStringLiteral(".lock")) {
    connect(&Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = Server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().startsWith(ShowRequest.trimmed())) {
                    qCDebug(lcInstance) << "asked to show the window";
                    emit ShowRequested();
                }
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
}

TSingleInstance::~TSingleInstance() {
    Server.close();
    if (Locked)
        QFile::remove(SocketPath);
}

bool TSingleInstance::Acquire() {
    // The kernel drops the lock with the process, so a crash leaves no stale lock.
    if (!LockFile.open(QIODevice::ReadWrite))
        return false;
    if (::flock(LockFile.handle(), LOCK_EX | LOCK_NB) != 0)
        return false;
    Locked = true;
    // A socket file left by a crashed instance is stale now that we hold the lock.
    QLocalServer::removeServer(SocketPath);
    Server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!Server.listen(SocketPath))
        qCWarning(lcInstance) << "cannot listen for a second start:" << Server.errorString();
    else
        qCDebug(lcInstance) << "listening at" << SocketPath;
    return true;
}

bool TSingleInstance::AskRunningToShow() const {
    QLocalSocket socket;
    socket.connectToServer(SocketPath);
    if (!socket.waitForConnected(ConnectMsecs))
        return false;
    socket.write(ShowRequest);
    const bool sent = socket.waitForBytesWritten(ConnectMsecs);
    socket.disconnectFromServer();
    return sent;
}
