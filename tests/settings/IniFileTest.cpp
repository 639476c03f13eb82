#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>

#include "FileHelpers.h"
#include "IniFile.h"
#include "WriteError.h"

namespace {

class IniFileTest : public testing::Test {
protected:
    QString PathOf(const QString& name) const { return Dir.filePath(name); }
    QString Write(const QByteArray& text) {
        const QString path = PathOf(QStringLiteral("test.ini"));
        WriteBytes(path, text);
        return path;
    }

    QTemporaryDir Dir;
};

TEST_F(IniFileTest, ReadsNamesInAnyCaseAndValuesTrimmed) {
    const TIniFile ini(Write("[Account]\r\n  UserName  =   taro  \r\n[update]\r\nInterval=$1E\r\n"
                             "EnableBalloon=2\r\nEnableSort=yes\r\nBig=4294967296\r\n"));
    EXPECT_EQ(ini.ReadString("account", "USERNAME", "x"), "taro");
    EXPECT_EQ(ini.ReadInteger("Update", "interval", 0), 30);
    EXPECT_TRUE(ini.ReadBool("Update", "EnableBalloon", false));
    EXPECT_TRUE(ini.ReadBool("Update", "EnableSort", true));
    EXPECT_FALSE(ini.ReadBool("Update", "EnableSort", false));
    EXPECT_EQ(ini.ReadInteger("Update", "Big", 7), 7);
    EXPECT_EQ(ini.ReadString("Update", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Nowhere", "Username", "def"), "def");
    EXPECT_TRUE(ini.ValueExists("UPDATE", "enablesort"));
    EXPECT_FALSE(ini.ValueExists("Account", "Interval"));
}

TEST_F(IniFileTest, CommentsAndKeysOutsideTheSectionAreNotValues) {
    const TIniFile ini(Write("Username=outside\n[Account]\n;Username=commented\n#Password=x\n"
                             "[Other]\nUsername=other\n"));
    EXPECT_EQ(ini.ReadString("Account", "Username", "none"), "none");
    EXPECT_EQ(ini.ReadString("Account", ";Username", "none"), "none");
    EXPECT_EQ(ini.ReadString("Other", "Username", "none"), "other");
}

TEST_F(IniFileTest, AValueKeepsALeadingFeffAndEndsAtAZeroByte) {
    TIniFile ini(PathOf("marks.ini"));
    ini.WriteString("S", "Marked", QStringLiteral("\uFEFFword"));
    ini.UpdateFile();
    EXPECT_EQ(TIniFile(PathOf("marks.ini")).ReadString("S", "Marked", {}),
              QStringLiteral("\uFEFFword"));

    const TIniFile zero(Write(QByteArray("[S]\r\nPassword=ab\0cd\r\nNext=1\r\n", 29)));
    EXPECT_EQ(zero.ReadString("S", "Password", {}), QStringLiteral("ab"));
    EXPECT_EQ(zero.ReadInteger("S", "Next", 0), 1);
}

TEST_F(IniFileTest, ValuesAreCutAt2047Characters) {
    const QString longValue = QString(3000, QChar(u'あ'));
    TIniFile ini(PathOf("long.ini"));
    ini.WriteString("S", "Long", longValue);
    ini.WriteString("S", "Emoji", QString(2046, QLatin1Char('x')) + QStringLiteral("😺"));
    ini.UpdateFile();
    const TIniFile reread(PathOf("long.ini"));
    EXPECT_EQ(reread.ReadString("S", "Long", {}), longValue.left(TIniFile::MaxValueLength));
    // The cut never leaves half of a surrogate pair behind.
    EXPECT_EQ(reread.ReadString("S", "Emoji", {}), QString(2046, QLatin1Char('x')));
}

TEST_F(IniFileTest, AWriteChangesOneLineAndKeepsEverythingElse) {
    const QByteArray before = "; header comment\r\n"
                              "[Account]\r\n"
                              "Username=taro\r\n"
                              "  ; note inside\r\n"
                              "Password = old \r\n"
                              "\r\n"
                              "[Foreign]\r\n"
                              "weird line without equals\r\n"
                              "Key=Value\r\n";
    TIniFile ini(Write(before));
    ini.WriteString("ACCOUNT", "password", "new");
    ini.WriteString("Account", "ShowUsername", "1");
    ini.WriteString("Update", "Interval", "60");
    ini.WriteString("Foreign", "Added", "x");
    ini.UpdateFile();
    EXPECT_EQ(ReadBytes(PathOf("test.ini")), QByteArray("; header comment\r\n"
                                                        "[Account]\r\n"
                                                        "Username=taro\r\n"
                                                        "  ; note inside\r\n"
                                                        "password=new\r\n"
                                                        "ShowUsername=1\r\n"
                                                        "\r\n"
                                                        "[Foreign]\r\n"
                                                        "weird line without equals\r\n"
                                                        "Key=Value\r\n"
                                                        "Added=x\r\n"
                                                        "[Update]\r\n"
                                                        "Interval=60\r\n"));
}

TEST_F(IniFileTest, KeepsTheLineBreaksAndByteOrderMarkOfTheFile) {
    TIniFile ini(Write("\xEF\xBB\xBF[A]\nKey=1\n"));
    EXPECT_EQ(ini.ReadInteger("A", "Key", 0), 1);
    ini.WriteInteger("A", "Key", 2);
    EXPECT_EQ(ini.Text(), QByteArray("\xEF\xBB\xBF[A]\nKey=2\n"));
}

TEST_F(IniFileTest, ALineBreakInAValueCannotAddKeys) {
    TIniFile ini(PathOf("inject.ini"));
    ini.WriteString("Tabs", "PickupLabel", "a\r\n[Account]\r\nPassword=evil");
    ini.UpdateFile();
    const TIniFile reread(PathOf("inject.ini"));
    EXPECT_FALSE(reread.SectionExists("Account"));
    EXPECT_EQ(reread.ReadString("Tabs", "PickupLabel", {}), "a  [Account]  Password=evil");
}

TEST_F(IniFileTest, JapaneseTextRoundTripsByteForByte) {
    const QByteArray text = "[Tabs]\r\nPickupLabel=注目ワード★\r\nFavIDLabel=お気に入り😺\r\n";
    TIniFile ini(Write(text));
    ini.WriteString("Tabs", "FavIDLabel", ini.ReadString("Tabs", "FavIDLabel", {}));
    ini.UpdateFile();
    EXPECT_EQ(ReadBytes(PathOf("test.ini")), text);
}

TEST_F(IniFileTest, AMissingFileReadsAsEmptyAndIsCreatedOwnerOnly) {
    const QString path = PathOf("new.ini");
    TIniFile ini(path, true);
    EXPECT_FALSE(ini.SectionExists("Account"));
    ini.WriteString("Account", "PasswordC", "secret");
    ini.UpdateFile();
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(IniFileTest, AFailedWriteThrowsAndLeavesTheOldFile) {
    const QByteArray old = "[Account]\r\nUsername=taro\r\n";
    const QString path = Write(old);
    TIniFile ini(path);
    ini.WriteString("Account", "Username", QString(100, QLatin1Char('x')));
    try {
        const TFileSizeLimit limit;
        ini.UpdateFile();
        ADD_FAILURE() << "no error raised";
    } catch (const TWriteError& error) {
        EXPECT_EQ(error.Message(),
                  path + QStringLiteral(" に書き込めません: ") + SystemReason(EFBIG));
        EXPECT_EQ(error.Reason(), SystemReason(EFBIG));
        EXPECT_EQ(error.Path(), path);
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"test.ini"});
}

} // namespace
