#include "VersionCheck.h"

#include <QRegularExpression>

#include "Names.h"

QString RunningVersion() {
    // ProgramVersion reads "Ver0.52".
    return ProgramVersion.sliced(3);
}

bool IsNewerVersion(const QString& version, const QString& running) {
    static const QRegularExpression versionText(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    return versionText.match(version).hasMatch() && version.compare(running) > 0;
}

QString VersionNoticeText(const QString& version) {
    return QStringLiteral("Quorbelの最新バージョン Ver.") + version +
           QStringLiteral(" が公開されています！");
}

QString RateLimitText(int hourlyLimit) {
    return QString::number(hourlyLimit) + QStringLiteral(" r/h");
}
