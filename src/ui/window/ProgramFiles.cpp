#include "ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

TProgramFiles ProgramFilesFor(const QString& programPath, const QString& configFolder) {
    const QFileInfo program(programPath);
    const QDir programDir = program.absoluteDir();
    const QString dataFolder =
        QDir::cleanPath(programDir.filePath(QStringLiteral("../share/quorbel")));
    QString folder = programDir.path();
    if (QFileInfo(dataFolder).isDir() || !QFileInfo(folder).isWritable()) {
        folder = QDir::cleanPath(configFolder);
        if (!QFileInfo::exists(folder)) {
            // The settings hold the scrambled password: nobody else may look in.
            QDir().mkpath(QFileInfo(folder).path());
            QDir().mkdir(folder,
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }
    return {folder,
            QDir(folder).filePath(program.completeBaseName()),
            {programDir.filePath(QStringLiteral("sound")),
             QDir(dataFolder).filePath(QStringLiteral("sound"))}};
}
