#pragma once

#include <stdexcept>

#include <QString>

// A settings, list or shortcut file could not be written. The message names
// the file and the system's reason: "<path> に書き込めません: <reason>".
class TWriteError final : public std::runtime_error {
public:
    TWriteError(const QString& path, const QString& reason);

    QString Path() const { return FilePath; }
    QString Reason() const { return SystemReason; }
    QString Message() const { return QString::fromUtf8(what()); }

private:
    QString FilePath;
    QString SystemReason;
};
