#include "PackageBuild.h"

#include <QDir>
#include <QProcess>

#include "TestPaths.h"

bool RunTool(const QString& program, const QStringList& args, QByteArray* output, int msecs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool ended = process.waitForFinished(msecs);
    if (output)
        *output = process.readAll();
    return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString BuildPackage(const QString& folder, QByteArray& log) {
    if (!RunTool(QStringLiteral(QUORBEL_CPACK),
                 {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), folder,
                  QStringLiteral("--config"), BuildPath(QStringLiteral("CPackConfig.cmake"))},
                 &log, 120000))
        return {};
    const QStringList packages =
        QDir(folder).entryList({QStringLiteral("quorbel_*_amd64.deb")}, QDir::Files);
    return packages.size() == 1 ? QDir(folder).filePath(packages.first()) : QString();
}
