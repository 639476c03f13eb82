#include "SingleInstance.h"

#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcInstance, "quorbel.instance", QtWarningMsg)

// Per user, as a second user's copy of the same file must run on its own, and
// writable by that user alone: whoever can write there can take the lock. Qt
// gives no runtime folder when the one it finds belongs to somebody else or
// cannot be made private; the shared temporary folder would be no better.
QString InstanceFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/quorbel");
}

// Makes the folder if it is missing; false with the reason when it is not a
// folder of this user's that only this user may enter.
bool MakePrivateFolder(const QString& path, QString& reason) {
    const QByteArray name = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).path());
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 077) != 0) {
        reason = QStringLiteral("他のユーザーも書き込めるか、他のユーザーのフォルダです");
        return false;
    }
    return true;
}

// The socket address of the path; false when the path does not fit.
bool SocketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& key, QObject* parent)
    : QObject(parent), SocketPath(InstanceFolder() + QLatin1Char('/') + key),
      LockFile(SocketPath + QStringLiteral(".lock")) {}

TSingleInstance::~TSingleInstance() {
    if (Listener < 0)
        return;
    delete Notifier;
    ::close(Listener);
    ::unlink(QFile::encodeName(SocketPath).constData());
}

TSingleInstance::TAcquired TSingleInstance::Acquire() {
    if (QString reason; !MakePrivateFolder(QFileInfo(SocketPath).path(), reason))
        return Fail(reason);
    // The kernel drops the lock with the process, so a crash leaves no stale lock.
    if (!LockFile.open(QIODevice::ReadWrite))
        return Fail(LockFile.errorString());
    if (::flock(LockFile.handle(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return TAcquired::Running;
        return Fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    Listen();
    return TAcquired::Acquired;
}

TSingleInstance::TAcquired TSingleInstance::Fail(const QString& reason) {
    Failure = QStringLiteral("二重起動を確かめるためのロックファイルを開けないため、"
                             "起動できません。\n\n%1\n%2")
                  .arg(QDir::toNativeSeparators(LockFile.fileName()), reason);
    qCDebug(lcInstance) << "cannot open the lock" << LockFile.fileName() << reason;
    return TAcquired::Failed;
}

void TSingleInstance::Listen() {
    sockaddr_un address;
    if (!SocketAddress(SocketPath, address)) {
        qCWarning(lcInstance) << "socket path too long, a second start cannot hand over";
        return;
    }
    // A socket file left by a crashed instance is stale now that we hold the lock.
    ::unlink(address.sun_path);
    Listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const mode_t mask = ::umask(077); // only this user may ask
    const bool bound = Listener >= 0 &&
                       ::bind(Listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(Listener, 4) != 0) {
        qCWarning(lcInstance) << "cannot listen for a second start:" << std::strerror(errno);
        if (Listener >= 0)
            ::close(Listener);
        Listener = -1;
        return;
    }
    Notifier = new QSocketNotifier(Listener, QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TSingleInstance::Accept);
    qCDebug(lcInstance) << "listening at" << SocketPath;
}

void TSingleInstance::Accept() {
    // A connection is the whole request.
    for (int peer; (peer = ::accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        ::close(peer);
        qCDebug(lcInstance) << "asked to show the window";
        emit ShowRequested();
    }
}

bool TSingleInstance::AskRunningToShow() const {
    sockaddr_un address;
    if (!SocketAddress(SocketPath, address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool asked =
        ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return asked;
}
