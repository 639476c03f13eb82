#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ChildProcess.h"
#include "OrdinaryUser.h"
#include "PackageBuild.h"
#include "TestPaths.h"
#include "WassrdServer.h"

namespace {

constexpr int WaitMsecs = 30000;

// Every file and folder below the path, to see that a run adds none.
QStringList Tree(const QString& path) {
    QStringList entries;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(it.next());
    entries.sort();
    return entries;
}

// The package as a user gets it: built from this build, unpacked into a
// throw-away root and run from there by an ordinary user with a fresh home,
// on a display and against a service of its own.
TEST(PackageTest, TheInstalledProgramRunsFromItsPackageAsAnOrdinaryUser) {
    if (const QString reason = TOrdinaryUser::Skipped(); !reason.isEmpty())
        GTEST_SKIP() << reason.toStdString();
    for (const char* tool : {"dpkg-deb", "Xvfb", "desktop-file-validate", "appstreamcli"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is missing";

    const QTemporaryDir packages;
    QByteArray log;
    const QString package = BuildPackage(packages.path(), log);
    ASSERT_FALSE(package.isEmpty()) << log.toStdString();
    const QTemporaryDir root;
    ASSERT_TRUE(RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), package, root.path()}));
    ASSERT_TRUE(TOrdinaryUser::OpenToAll(root.path()));
    const QString program = root.filePath(QStringLiteral("usr/bin/quorbel"));
    const QString statusSound =
        root.filePath(QStringLiteral("usr/share/quorbel/sound/Default/status.wav"));
    ASSERT_TRUE(QFile::exists(program));
    ASSERT_TRUE(QFile::exists(statusSound));
    // What desktops read about the program: the menu entry and the software centre's metadata.
    QByteArray report;
    EXPECT_TRUE(RunTool(QStringLiteral("desktop-file-validate"),
                        {root.filePath(QStringLiteral("usr/share/applications/quorbel.desktop"))},
                        &report))
        << report.toStdString();
    EXPECT_TRUE(RunTool(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"),
         root.filePath(QStringLiteral("usr/share/metainfo/jp.example.quorbel.metainfo.xml"))},
        &report))
        << report.toStdString();
    for (const char* size : {"16x16", "32x32", "48x48", "256x256"})
        EXPECT_TRUE(QFile::exists(root.filePath(QStringLiteral("usr/share/icons/hicolor/") +
                                                QLatin1String(size) +
                                                QStringLiteral("/apps/quorbel.png"))));

    // -ac: the ordinary user may connect to the test's display.
    TChildProcess display(QStandardPaths::findExecutable(QStringLiteral("Xvfb")),
                          {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-ac"),
                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QByteArray displayNumber = display.ReadLine(WaitMsecs);
    ASSERT_FALSE(displayNumber.isEmpty()) << "Xvfb did not start";
    // A new status every second, fetched every second: news, and its sound.
    const TWassrdServer service({QStringLiteral("--rate"), QStringLiteral("1")});
    ASSERT_GT(service.Port(), 0);

    const QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral(".config/quorbel"));
    ASSERT_TRUE(QDir().mkpath(config));
    QFile ini(config + QStringLiteral("/quorbel.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write((service.IniLines() + QStringLiteral("[Update]\nInterval=1\n[Sound]\nSndStatus=1\n"))
                  .toUtf8());
    ini.close();
    ASSERT_TRUE(TOrdinaryUser::Own(home.path()));
    const QStringList installed = Tree(root.path());

    QProcess quorbel;
    TOrdinaryUser::Start(quorbel, program, home.path(),
                         {QStringLiteral("DISPLAY=:") + QString::fromLatin1(displayNumber),
                          QStringLiteral("QT_LOGGING_RULES=quorbel.sound.debug=true")});
    const QByteArray playing = "playing \"" + statusSound.toUtf8() + '"';
    log.clear();
    while (!log.contains(playing) && quorbel.waitForReadyRead(WaitMsecs))
        log += quorbel.readAll();
    EXPECT_TRUE(log.contains(playing)) << log.toStdString();
    quorbel.terminate();
    ASSERT_TRUE(quorbel.waitForFinished(WaitMsecs));
    EXPECT_EQ(QProcess::NormalExit, quorbel.exitStatus());
    EXPECT_EQ(0, quorbel.exitCode()) << log.toStdString();

    bool fetched = false;
    for (const QJsonValue& request : service.Requests())
        fetched = fetched || request.toObject()
                                 .value(QStringLiteral("path"))
                                 .toString()
                                 .contains(QStringLiteral("friends_timeline"));
    EXPECT_TRUE(fetched);
    QFile saved(config + QStringLiteral("/quorbel.ini"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("[FormMain]"));
    EXPECT_TRUE(QFile::exists(config + QStringLiteral("/shortcut.ini")));
    EXPECT_EQ(installed, Tree(root.path())) << "the program wrote beside itself";
}

} // namespace
