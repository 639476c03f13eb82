#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "InstanceKey.h"
#include "OrdinaryUser.h"
#include "SingleInstance.h"
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

    void Start(QProcess& process, const QString& runtimeFolder = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!runtimeFolder.isEmpty())
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
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

// The lock's folder as the test arranges it: the runtime, cache and
// temporary folders point into a scratch folder for the test's length.
class TLockFolders final {
public:
    TLockFolders() {
        for (const char* name : Variables)
            Saved.append(qgetenv(name));
        QDir(Root.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Runtime()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(Cache()));
        qputenv("TMPDIR", QFile::encodeName(Root.path()));
    }
    ~TLockFolders() {
        for (qsizetype i = 0; i < Saved.size(); ++i)
            qputenv(Variables[i], Saved[i]);
    }
    QString Runtime() const { return Root.filePath(QStringLiteral("runtime")); }
    QString Cache() const { return Root.filePath(QStringLiteral("cache")); }
    // Where Qt looks when the runtime folder it is given is unusable.
    QString DefaultRuntime() const {
        return Root.filePath(QStringLiteral("runtime-") +
                             QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
    }

private:
    static constexpr const char* Variables[] = {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "TMPDIR"};
    QTemporaryDir Root;
    QByteArrayList Saved;
};

const QString Key = QStringLiteral("QuorbelInstance0123456789abcdef0123456789abcdef");

TEST(SingleInstanceTest, ALockThatCannotBeOpenedFailsWithItsPathAndReason) {
    const TLockFolders folders;
    const QString lock = folders.Runtime() + QLatin1Char('/') + Key + QStringLiteral(".lock");
    ASSERT_TRUE(QDir().mkdir(lock)); // a folder where the lock file belongs
    TSingleInstance instance(Key);
    EXPECT_EQ(instance.Acquire(), TSingleInstance::TAcquired::Failed);
    EXPECT_TRUE(instance.FailureText().contains(lock)) << instance.FailureText().toStdString();
    EXPECT_TRUE(instance.FailureText().startsWith(QStringLiteral("二重起動")));
    EXPECT_TRUE(instance.FailureText().contains(QStringLiteral("directory")))
        << instance.FailureText().toStdString();
}

// A runtime folder of another user's is unusable; the lock then lives in a
// folder of the user's cache that only the user may enter, or nowhere.
TEST(SingleInstanceTest, WithoutAUsableRuntimeFolderTheLockStaysPrivate) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder to another user";
    const TLockFolders folders;
    ASSERT_TRUE(QDir().mkdir(folders.DefaultRuntime(),
                             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_TRUE(TOrdinaryUser::Own(folders.Runtime()));
    ASSERT_TRUE(TOrdinaryUser::Own(folders.DefaultRuntime()));
    {
        TSingleInstance instance(Key);
        ASSERT_EQ(instance.Acquire(), TSingleInstance::TAcquired::Acquired)
            << instance.FailureText().toStdString();
        EXPECT_EQ(QFileInfo(instance.LockPath()).path(),
                  folders.Cache() + QStringLiteral("/quorbel"));
        struct stat info {};
        ASSERT_EQ(
            ::stat(QFile::encodeName(folders.Cache() + QStringLiteral("/quorbel")).constData(),
                   &info),
            0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        TSingleInstance second(Key);
        EXPECT_EQ(second.Acquire(), TSingleInstance::TAcquired::Running);
    }
    // The fallback folder left by another user, open to all: not used.
    const QByteArray fallback = QFile::encodeName(folders.Cache() + QStringLiteral("/quorbel"));
    ASSERT_EQ(::chmod(fallback.constData(), 0777), 0);
    ASSERT_TRUE(TOrdinaryUser::Own(folders.Cache() + QStringLiteral("/quorbel")));
    TSingleInstance instance(Key);
    EXPECT_EQ(instance.Acquire(), TSingleInstance::TAcquired::Failed);
    EXPECT_TRUE(instance.FailureText().contains(QString::fromUtf8(fallback)));
}

// The program tells the user instead of ending without a word: it shows its
// message box (closed here by SIGTERM, as a modal dialog is) and ends with a
// failure status.
TEST(SingleInstanceTest, TheProgramReportsALockItCannotOpen) {
    const TProgramCopy here;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(QDir(runtime.path())
                    .mkdir(InstanceName(QFileInfo(here.Program()).canonicalFilePath()) +
                           QStringLiteral(".lock")));
    QProcess program;
    QByteArray log;
    here.Start(program, runtime.path());
    ASSERT_TRUE(WaitForLog(program, log, "cannot open the lock")) << log.toStdString();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(WaitMsecs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), EXIT_FAILURE);
    EXPECT_FALSE(here.Settings().contains("[FormMain]"));
}

} // namespace
