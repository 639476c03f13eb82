#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "TestPaths.h"

namespace {

constexpr int WaitMsecs = 15000;

// A copy of the program in a folder of its own, with an account whose server
// refuses at once; it reports what its instance key does.
class TProgramCopy final {
public:
    TProgramCopy() {
        QFile::copy(BuildPath(QStringLiteral("quorbel")), Program());
        QFile ini(Folder.filePath(QStringLiteral("quorbel.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[Account]\nUsername=demo\nPassword=demo\n[Server]\n"
                      "ApiURL=http://127.0.0.1:1\nTwitterApiURL=http://127.0.0.1:1\n"
                      "WebURL=http://127.0.0.1:1\nMakerURL=http://127.0.0.1:1\n");
    }
    QString Program() const { return Folder.filePath(QStringLiteral("quorbel")); }
    QByteArray Settings() const {
        QFile ini(Folder.filePath(QStringLiteral("quorbel.ini")));
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    }

    void Start(QProcess& process) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("quorbel.instance.debug=true"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(Program(), {});
    }

private:
    QTemporaryDir Folder;
};

// Waits until the process has written the text.
bool WaitForLog(QProcess& process, QByteArray& log, const QByteArray& text) {
    while (!log.contains(text)) {
        if (!process.waitForReadyRead(WaitMsecs))
            return false;
        log += process.readAll();
    }
    return true;
}

bool EndRegularly(QProcess& process) {
    process.terminate();
    return process.waitForFinished(WaitMsecs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

TEST(SingleInstanceTest, ASecondStartHandsOverWhileACopyElsewhereRunsOnItsOwn) {
    const TProgramCopy here;
    const TProgramCopy elsewhere;
    QProcess first;
    QByteArray firstLog;
    here.Start(first);
    ASSERT_TRUE(WaitForLog(first, firstLog, "listening at")) << firstLog.toStdString();

    QProcess second;
    here.Start(second);
    ASSERT_TRUE(second.waitForFinished(WaitMsecs));
    EXPECT_EQ(0, second.exitCode());
    EXPECT_TRUE(WaitForLog(first, firstLog, "asked to show the window")) << firstLog.toStdString();

    QProcess other;
    QByteArray otherLog;
    elsewhere.Start(other);
    ASSERT_TRUE(WaitForLog(other, otherLog, "listening at")) << otherLog.toStdString();
    EXPECT_EQ(QProcess::Running, first.state());

    // Both end the regular way on SIGTERM, saving their settings.
    EXPECT_TRUE(EndRegularly(first));
    EXPECT_TRUE(EndRegularly(other));
    EXPECT_TRUE(here.Settings().contains("[FormMain]"));
    EXPECT_TRUE(elsewhere.Settings().contains("[FormMain]"));
}

TEST(SingleInstanceTest, AStartAfterACrashRuns) {
    const TProgramCopy here;
    QProcess crashed;
    QByteArray log;
    here.Start(crashed);
    ASSERT_TRUE(WaitForLog(crashed, log, "listening at"));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(WaitMsecs));

    QProcess next;
    QByteArray nextLog;
    here.Start(next);
    EXPECT_TRUE(WaitForLog(next, nextLog, "listening at")) << nextLog.toStdString();
    EXPECT_TRUE(EndRegularly(next));
}

} // namespace
