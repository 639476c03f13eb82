#include "NotifySound.h"

#include <array>

#include <QFileInfo>

QString NotifySoundPath(const QString& programFolder, int kind, const QString& set) {
    static const std::array<QString, 3> names = {
        QStringLiteral("status.wav"), QStringLiteral("reply.wav"), QStringLiteral("message.wav")};
    if (kind < 0 || kind >= static_cast<int>(names.size()))
        return {};
    return programFolder + QStringLiteral("/sound/") + set + QLatin1Char('/') + names[kind];
}

void PlayNotifySound(TSoundOutput& output, const QString& programFolder, int kind,
                     const QString& set) {
    const QString path = NotifySoundPath(programFolder, kind, set);
    if (!path.isEmpty() && QFileInfo(path).isFile())
        output.Play(path);
}
