#include "Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

void ListFolderEntries(const QString& folder, QStringList& list) {
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    if (!dir.exists())
        return;
    list.clear();
    const auto entries =
        dir.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        if (!entry.fileName().startsWith(QLatin1Char('.')))
            list.append(dir.filePath(entry.fileName()));
    }
}

QString UserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quorbel");
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& data,
                                           bool ownerOnly) {
    QSaveFile file(path);
    // Unbuffered, so a short write (full disk, file size limit) shows here:
    // a buffered write only fails in commit's flush, which still renames the
    // truncated file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (ownerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return file.errorString();
    // A short write reports no error of its own; writing the rest again
    // either finishes or fails with the reason.
    for (qint64 written = 0; written < data.size();) {
        const qint64 count = file.write(data.constData() + written, data.size() - written);
        if (count <= 0)
            return file.errorString();
        written += count;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
