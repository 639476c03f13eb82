#pragma once

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The system's words for an error number, as a failed write names its reason.
inline QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

inline void WriteBytes(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

// While alive, no file of this process may grow past a few bytes: a real
// write failure even for root, whom permission bits do not stop.
class TFileSizeLimit final {
public:
    TFileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &Saved);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = Saved;
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, OldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit Saved{};
    void (*OldHandler)(int) = nullptr;
};
