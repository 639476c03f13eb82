#include "NotifySound.h"

#include <array>

#include <QDir>
#include <QFileInfo>

#include "Files.h"

QString NotifySoundPath(const QStringList& soundFolders, int kind, const QString& set) {
    static const std::array<QString, 3> names = {
        QStringLiteral("status.wav"), QStringLiteral("reply.wav"), QStringLiteral("message.wav")};
    if (kind < 0 || kind >= static_cast<int>(names.size()))
        return {};
    for (const QString& folder : soundFolders) {
        const QString path = folder + QLatin1Char('/') + set + QLatin1Char('/') + names[kind];
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

void PlayNotifySound(TSoundOutput& output, const QStringList& soundFolders, int kind,
                     const QString& set) {
    const QString path = NotifySoundPath(soundFolders, kind, set);
    if (!path.isEmpty())
        output.Play(path);
}

QStringList SoundSetNames(const QStringList& soundFolders) {
    QStringList names;
    for (const QString& folder : soundFolders) {
        QStringList entries;
        ListFolderEntries(folder, entries);
        for (const QString& path : std::as_const(entries))
            names.append(QFileInfo(path).fileName());
    }
    names.removeDuplicates();
    return names;
}
