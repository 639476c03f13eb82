#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "Names.h"
#include "OrdinaryUser.h"
#include "TestPaths.h"

namespace {

constexpr int WaitMsecs = 15000;

struct TLocationCase {
    const char* Name;
    bool ProgramFolderWritable; // a copy of the user's own, or a system-wide install
    bool Installed;             // in bin/, beside share/quorbel
    const char* ConfigHome;     // XDG_CONFIG_HOME below HOME; null: not set
    const char* Expected;       // where the files go: below HOME, or null for beside the program
};

void PrintTo(const TLocationCase& c, std::ostream* out) {
    *out << c.Name;
}

class FileLocationTest : public testing::TestWithParam<TLocationCase> {};

// What a first start that ends at once leaves: the settings, the eleven
// lists, the shortcut file and the blank page.
QStringList SettingsFiles() {
    QStringList names{QStringLiteral("quorbel.ini"), QStringLiteral("quorbel.ban"),
                      QStringLiteral("shortcut.ini"), QStringLiteral("default.html")};
    for (const char* list : {"pic", "fav"})
        for (int i = 0; i < NumberedTabCount; ++i)
            names.append(QStringLiteral("quorbel.") + QLatin1String(list) + IndexSuffix(i));
    return names;
}

QStringList Entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

TEST_P(FileLocationTest, SettingsGoBesideTheProgramOrToTheUsersConfigFolder) {
    if (const QString reason = TOrdinaryUser::Skipped(); !reason.isEmpty())
        GTEST_SKIP() << reason.toStdString();
    const TLocationCase& c = GetParam();
    const QTemporaryDir programFolder;
    const QTemporaryDir home;
    const QString programDir =
        c.Installed ? programFolder.filePath(QStringLiteral("bin")) : programFolder.path();
    if (c.Installed) {
        ASSERT_TRUE(QDir(programFolder.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(programFolder.path()).mkpath(QStringLiteral("share/quorbel/sound")));
    }
    const QString program = QDir(programDir).filePath(QStringLiteral("quorbel"));
    ASSERT_TRUE(QFile::copy(BuildPath(QStringLiteral("quorbel")), program));
    ASSERT_TRUE(TOrdinaryUser::OpenToAll(programFolder.path()));
    ASSERT_TRUE(TOrdinaryUser::OpenToAll(programDir));
    if (c.ProgramFolderWritable) {
        ASSERT_TRUE(TOrdinaryUser::Own(programDir));
    }
    ASSERT_TRUE(TOrdinaryUser::Own(home.path()));

    QStringList environment{QStringLiteral("QT_QPA_PLATFORM=offscreen"),
                            QStringLiteral("QT_LOGGING_RULES=quorbel.instance.debug=true")};
    if (c.ConfigHome)
        environment.append(QStringLiteral("XDG_CONFIG_HOME=") + home.filePath(c.ConfigHome));
    QProcess process;
    TOrdinaryUser::Start(process, program, home.path(), environment);
    // A first start: the account dialog is up when the program is told to end.
    QByteArray log;
    while (!log.contains("listening at") && process.waitForReadyRead(WaitMsecs))
        log += process.readAll();
    ASSERT_TRUE(log.contains("listening at")) << log.toStdString();
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(WaitMsecs));
    EXPECT_EQ(0, process.exitCode()) << log.toStdString();

    QStringList expected = SettingsFiles();
    if (!c.Expected) {
        expected.append(QStringLiteral("quorbel"));
        expected.sort();
        EXPECT_EQ(expected, Entries(programDir));
        EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral(".config/quorbel"))));
        return;
    }
    const QString folder = home.filePath(QLatin1String(c.Expected));
    expected.sort();
    EXPECT_EQ(expected, Entries(folder));
    EXPECT_EQ(QStringList{QStringLiteral("quorbel")}, Entries(programDir));
    // The settings hold the scrambled password: the folder is the user's alone.
    EXPECT_EQ(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                  QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser,
              QFileInfo(folder).permissions());
    EXPECT_EQ(uint(TOrdinaryUser::Id), QFileInfo(folder).ownerId());
}

INSTANTIATE_TEST_SUITE_P(
    Installs, FileLocationTest,
    testing::Values(TLocationCase{"Portable", true, false, nullptr, nullptr},
                    TLocationCase{"SystemWide", false, true, nullptr, ".config/quorbel"},
                    TLocationCase{"SystemWideWithConfigHome", false, true, "settings",
                                  "settings/quorbel"},
                    // A user's own install (~/.local) or root's run of a system one.
                    TLocationCase{"InstalledWritable", true, true, nullptr, ".config/quorbel"},
                    // Unwritable without an install layout: a copy on read-only media.
                    TLocationCase{"ReadOnlyCopy", false, false, nullptr, ".config/quorbel"}),
    [](const testing::TestParamInfo<TLocationCase>& info) { return std::string(info.param.Name); });

} // namespace
