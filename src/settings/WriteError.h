#pragma once

#include <stdexcept>

#include <QString>

// A settings, list or shortcut file could not be written. The message names
// the file: "<path> に書き込めません".
class TWriteError final : public std::runtime_error {
public:
    explicit TWriteError(const QString& path);

    QString Path() const { return FilePath; }
    QString Message() const { return QString::fromUtf8(what()); }

private:
    QString FilePath;
};
