#include "OrdinaryUser.h"

#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <unistd.h>

QString TOrdinaryUser::Skipped() {
    if (geteuid() != 0)
        return QStringLiteral("not root: cannot run the program as another user");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return QStringLiteral("setpriv (util-linux) is missing");
    return {};
}

bool TOrdinaryUser::Own(const QString& path) {
    bool owned = chown(QFile::encodeName(path).constData(), Id, Id) == 0;
    QDirIterator entries(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        owned = chown(QFile::encodeName(entries.next()).constData(), Id, Id) == 0 && owned;
    return owned;
}

bool TOrdinaryUser::OpenToAll(const QString& path) {
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
}

void TOrdinaryUser::Start(QProcess& process, const QString& program, const QString& home,
                          const QStringList& environment) {
    // Nothing of the test's own session leaks in: a fresh user on a fresh desktop.
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    // A sanitizer build reports from the program as it does from the test.
    const QProcessEnvironment own = QProcessEnvironment::systemEnvironment();
    for (const QString& name : own.keys())
        if (name.endsWith(QStringLiteral("SAN_OPTIONS")))
            env.insert(name, own.value(name));
    for (const QString& setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("setpriv"),
                  {QStringLiteral("--reuid=%1").arg(Id), QStringLiteral("--regid=%1").arg(Id),
                   QStringLiteral("--clear-groups"), program});
}
