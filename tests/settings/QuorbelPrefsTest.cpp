#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FileHelpers.h"
#include "IniFile.h"
#include "Password.h"
#include "QuorbelPrefs.h"
#include "TestPaths.h"
#include "WriteError.h"

namespace {

class QuorbelPrefsTest : public testing::Test {
protected:
    QString IniPath() const { return Dir.filePath(QStringLiteral("quorbel.ini")); }
    QString ListBase() const { return Dir.filePath(QStringLiteral("quorbel")); }
    TQuorbelPrefs Prefs() const { return TQuorbelPrefs(IniPath(), ListBase()); }
    TQuorbelPrefs Loaded() const {
        TQuorbelPrefs prefs = Prefs();
        prefs.LoadFromIni();
        return prefs;
    }
    void UseFixture(const QString& name) {
        QFile::copy(TestDataPath(QStringLiteral("settings/") + name), IniPath());
        QFile::setPermissions(IniPath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString IniText() const { return QString::fromUtf8(ReadBytes(IniPath())); }

    QTemporaryDir Dir;
};

// Every field away from its default, as a user could leave them.
TQuorbelPrefs Edited(TQuorbelPrefs prefs) {
    prefs.Username = QStringLiteral("花子");
    prefs.Password = QStringLiteral("pass word=;[x]");
    prefs.Interval = 45;
    prefs.EnableBalloon = false;
    prefs.UseProxy = true;
    prefs.ProxyUser = QStringLiteral("proxyuser");
    prefs.ProxyPass = QStringLiteral("プロキシ");
    prefs.ProxyPort = 3128;
    prefs.ProxyServer = QStringLiteral("proxy.example.jp");
    prefs.VisibleIcon = false;
    prefs.ShowUsername = true;
    prefs.EnableJapanize = true;
    prefs.AddQuorbelSign = false;
    prefs.MinimizeOnClose = false;
    prefs.MinimizeInTaskTray = false;
    prefs.TopMost = true;
    prefs.ListFont = {QStringLiteral("IPAゴシック"), 12, 0x00FF0000, 5, 1, 2};
    prefs.NGWords = {QStringLiteral("広告"), QString(), QStringLiteral("spam")};
    prefs.EnableSort = false;
    prefs.ListReplyColor = 0x00000080;
    prefs.ListStatusColor = 0x00123456;
    prefs.ListDubbleClickMode = 2;
    prefs.ListReplyToColor = 0xFF000005;
    prefs.ListReplyToTextColor = 0x00FFFFFF;
    prefs.ListReplyTextColor = ColorNone;
    prefs.ListStatusTextColor = 0x00010203;
    prefs.EnableUpdateBlock = false;
    prefs.StatusDiaplayHeight = 120;
    prefs.SndReply = true;
    prefs.SndStatus = true;
    prefs.SndMessage = true;
    prefs.EnableUnreadManager = true;
    prefs.MesInterval = 900;
    prefs.EnableUpdateReload = true;
    prefs.UsePOSTMethod = true;
    prefs.FavMessage = true;
    prefs.EnableUpdateCheck = false;
    prefs.EnableConvertTinyURL = true;
    prefs.ReverseSort = true;
    prefs.EnableDisplayIcon = true;
    prefs.EnableAutoUpdate = false;
    prefs.PanelLayout = 3;
    prefs.MinimizeOnCreate = true;
    prefs.PopupOnlyReplyToMe = true;
    prefs.PopupOnlyFavID = true;
    prefs.PopupOnlyPickup = true;
    prefs.IDWidth = 150;
    prefs.AskAddFavorite = false;
    prefs.EnableP3Key = true;
    prefs.UpdateWithCTRL = true;
    prefs.QuorbelMark = QStringLiteral("☆");
    prefs.EnableHeart = false;
    prefs.TabMultiLine = true;
    prefs.TabPosition = 3;
    prefs.VisibleTabIcon = true;
    prefs.VisibleTabSign = false;
    prefs.TaskIconNotify = true;
    prefs.SoundSet = QStringLiteral("猫");
    for (int i = 0; i < NumberedTabCount; ++i) {
        prefs.PickupWords[i] = {QStringLiteral("語%1").arg(i), QStringLiteral("word")};
        prefs.FavIDs[i] = {QStringLiteral("user%1").arg(i)};
        prefs.PickupLabel[i] = QStringLiteral("ラベル%1").arg(i);
        prefs.FavIDLabel[i] = QStringLiteral("友%1").arg(i);
        prefs.PickupPopup[i] = i % 2 == 0;
        prefs.FavIDPopup[i] = i % 2 == 1;
    }
    for (int j = 0; j < TabCount; ++j) {
        prefs.TabDisp[j] = j != TabMessage && j % 3 != 0;
        prefs.TabIndex[j] = TabCount - 1 - j;
    }
    return prefs;
}

TEST_F(QuorbelPrefsTest, AFreshObjectAndAMissingFileGiveTheDefaults) {
    const TQuorbelPrefs fresh = Prefs();
    EXPECT_EQ(fresh.Interval, 60);
    EXPECT_EQ(fresh.ProxyPort, 8080);
    EXPECT_EQ(fresh.ListStatusColor, 0x00E8FFE8u);
    EXPECT_EQ(fresh.QuorbelMark, "*Qb*");
    EXPECT_EQ(fresh.PickupLabel[0], "注目");
    EXPECT_EQ(fresh.PickupLabel[4], "注目5");
    EXPECT_EQ(fresh.FavIDLabel[2], "お気に入り3");
    const std::array<bool, TabCount> shown{true,  true, true,  true,  false, false, false,
                                           false, true, false, false, false, false, true};
    EXPECT_EQ(fresh.TabDisp, shown);
    for (int j = 0; j < TabCount; ++j)
        EXPECT_EQ(fresh.TabIndex[j], j);
    EXPECT_EQ(fresh.Server.ApiURL, "http://api.wassr.jp");

    TQuorbelPrefs expected = Prefs();
    expected.TabDisp[TabMessage] = false; // never shown, whatever the default
    EXPECT_EQ(Loaded(), expected);
    EXPECT_TRUE(Loaded().Username.isEmpty());
    EXPECT_TRUE(Loaded().Password.isEmpty());
}

TEST_F(QuorbelPrefsTest, ReadsAHandEditedFile) {
    UseFixture(QStringLiteral("hand-edited.ini"));
    const TQuorbelPrefs prefs = Loaded();
    EXPECT_EQ(prefs.Username, "taro");
    EXPECT_EQ(prefs.Password, "plain-secret"); // PasswordC is not read
    EXPECT_EQ(prefs.ProxyPass, "proxy-pw");    // scrambled only
    EXPECT_EQ(prefs.Interval, 30);             // 0x1E
    EXPECT_EQ(prefs.MesInterval, 30);          // $1E
    EXPECT_EQ(prefs.ProxyPort, 8080);          // abc
    EXPECT_TRUE(prefs.EnableBalloon);          // 2
    EXPECT_FALSE(prefs.ShowUsername);          // yes: the default
    EXPECT_TRUE(prefs.VisibleIcon);            // yes: the default
    EXPECT_FALSE(prefs.EnableSort);
    EXPECT_FALSE(prefs.EnableHeart);
    EXPECT_EQ(prefs.QuorbelMark, "*Qb*");
    EXPECT_TRUE(prefs.UseProxy);
    EXPECT_EQ(prefs.ProxyServer, "proxy.example.jp");
    EXPECT_EQ(prefs.ListStatusColor, 0x000000FFu); // clred
    EXPECT_EQ(prefs.ListReplyColor, 0x00123456u);
    EXPECT_EQ(prefs.ListReplyToColor, 0x00C5EDFCu);    // chartreuse: the default
    EXPECT_EQ(prefs.ListStatusTextColor, 0xFF000008u); // CLWINDOWTEXT
    EXPECT_EQ(prefs.IDWidth, 120);
    EXPECT_EQ(prefs.ListFont,
              (TFontDesc{QStringLiteral("VL ゴシック"), 11, 0x00800000, 3, 128, 0}));
    EXPECT_EQ(prefs.PickupLabel[0], "ニュース");
    EXPECT_EQ(prefs.PickupLabel[1], "注目2");
    EXPECT_EQ(prefs.PickupLabel[2], "猫😺");
    EXPECT_FALSE(prefs.FavIDPopup[3]);
    EXPECT_TRUE(prefs.FavIDPopup[2]);
    EXPECT_EQ(prefs.TabPosition, 2);
    EXPECT_FALSE(prefs.TabDisp[TabMessage]); // TabSheetMessage=1 in the file
    EXPECT_TRUE(prefs.TabDisp[TabFavID + 1]);
    EXPECT_FALSE(prefs.TabDisp[TabSearch]);
    EXPECT_FALSE(prefs.TabDisp[TabPickupWord + 1]);
    for (int j = 0; j < TabCount; ++j)
        EXPECT_EQ(prefs.TabIndex[j], j);
    EXPECT_TRUE(prefs.Zedadi);
    EXPECT_EQ(prefs.Server.ApiURL, "http://127.0.0.1:8080");
    EXPECT_EQ(prefs.Server.MakerURL, "http://127.0.0.1:8081");
    EXPECT_EQ(prefs.Server.WebURL, "http://wassr.jp");
}

// A user copies the README's example into the settings file as it stands.
TEST_F(QuorbelPrefsTest, TheReadmeServerExampleGivesItsAddresses) {
    const QString readme = QString::fromUtf8(ReadBytes(SourcePath(QStringLiteral("README.md"))));
    const QString fence = QStringLiteral("```ini\n");
    const qsizetype start = readme.indexOf(fence + QStringLiteral("[Server]\n")) + fence.size();
    ASSERT_GE(start, fence.size());
    const qsizetype end = readme.indexOf(QStringLiteral("```"), start);
    ASSERT_GT(end, start);
    WriteBytes(IniPath(), readme.mid(start, end - start).toUtf8());

    const TServerEndpoints server = Loaded().Server;
    EXPECT_EQ(server.ApiURL, "http://api.example.jp");
    EXPECT_EQ(server.TwitterApiURL, "http://api.example.jp");
    EXPECT_EQ(server.WebURL, "http://example.jp");
    EXPECT_EQ(server.ShortURLPrefix, "http://tinyurl.com/");
    EXPECT_EQ(server.MakerURL, "http://quorbel.example.jp");
}

TEST_F(QuorbelPrefsTest, ASaveKeepsForeignLinesAndRewritesThePasswords) {
    UseFixture(QStringLiteral("hand-edited.ini"));
    TQuorbelPrefs prefs = Loaded();
    prefs.SaveToIni();
    const QString text = IniText();

    for (const char* kept : {
             "; Quorbel settings, edited by hand\r\n[Account]\r\n",
             "; the old plain password wins over PasswordC\r\n",
             "[MyPlugin]\r\n# a foreign tool keeps its own keys here\r\nColour=blue\r\nCount = "
             "3\r\n\r\n",
             "[Secret]\r\nZedadi=1\r\n\r\n[Server]\r\nApiURL=http://127.0.0.1:8080\r\n"
             "MakerURL=http://127.0.0.1:8081\r\n",
         })
        EXPECT_TRUE(text.contains(QString::fromUtf8(kept))) << kept;
    EXPECT_TRUE(text.contains(QStringLiteral("PickupLabel2=猫😺\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("Zedadi")), 1);

    const TIniFile ini(IniPath());
    EXPECT_EQ(ini.ReadString("Account", "Password", "x"), "");
    EXPECT_EQ(UnscramblePassword(ini.ReadString("Account", "PasswordC", {})), "plain-secret");
    EXPECT_EQ(ini.ReadString("Proxy", "ProxyPass", "x"), "");
    EXPECT_EQ(UnscramblePassword(ini.ReadString("Proxy", "ProxyPassC", {})), "proxy-pw");
    EXPECT_EQ(ini.ReadString("TabDisp", "TabSheetMessage", {}), "0");
    EXPECT_EQ(ini.ReadString("UI", "ListReplyToColor", {}), "$00C5EDFC");
    EXPECT_EQ(ini.ReadString("UI", "ListStatusColor", {}), "clRed");
    EXPECT_EQ(ini.ReadString("UI", "ListStatusTextColor", {}), "clWindowText");
    EXPECT_EQ(ini.ReadString("UI", "ListReplyTextColor", {}), "clBlack");

    // Load and save again: nothing moves.
    TQuorbelPrefs again = Loaded();
    EXPECT_EQ(again, prefs);
    again.SaveToIni();
    EXPECT_EQ(IniText(), text);
}

TEST_F(QuorbelPrefsTest, EveryFieldRoundTripsButTheReadOnlyOnes) {
    WriteBytes(IniPath(), "[Account]\r\nUsername=old\r\n");
    QFile::setPermissions(IniPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::ReadOther);
    TQuorbelPrefs edited = Edited(Prefs());
    edited.Zedadi = true;
    edited.Server.ApiURL = QStringLiteral("http://elsewhere");
    edited.SaveToIni();

    TQuorbelPrefs expected = edited;
    expected.Zedadi = false;
    expected.Server = TServerEndpoints();
    EXPECT_EQ(Loaded(), expected);

    const QString text = IniText();
    EXPECT_FALSE(text.contains(QStringLiteral("Zedadi")));
    EXPECT_FALSE(text.contains(QStringLiteral("[Server]")));
    EXPECT_FALSE(text.contains(QStringLiteral("花子=")));
    // It holds the password: the owner alone may read it.
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(IniPath()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(QuorbelPrefsTest, ListFilesAreReadWhenPresentAndAllWrittenOnSave) {
    const QByteArray ngWords = "広告\r\n\r\nスパム😺\r\n";
    const QByteArray favIDs = "taro\r\nhanako\r\n";
    WriteBytes(ListBase() + ".ban", ngWords);
    WriteBytes(ListBase() + ".fav3", favIDs);
    TQuorbelPrefs prefs = Loaded();
    EXPECT_EQ(prefs.NGWords, (QStringList{"広告", "", "スパム😺"}));
    EXPECT_EQ(prefs.FavIDs[3], (QStringList{"taro", "hanako"}));
    EXPECT_TRUE(prefs.PickupWords[0].isEmpty());

    // Confirming the preferences writes the lists alone.
    prefs.NGWords.append(QStringLiteral("追加"));
    prefs.SaveLists();
    EXPECT_FALSE(QFile::exists(IniPath()));
    EXPECT_EQ(ReadBytes(ListBase() + ".ban"), ngWords + "追加\r\n");

    prefs.NGWords.removeLast();
    prefs.SaveToIni();
    EXPECT_EQ(ReadBytes(ListBase() + ".ban"), ngWords);
    EXPECT_EQ(ReadBytes(ListBase() + ".fav3"), favIDs);
    for (const char* ext : {".pic", ".pic1", ".pic4", ".fav", ".fav4"}) {
        EXPECT_TRUE(QFile::exists(ListBase() + ext)) << ext;
        EXPECT_TRUE(ReadBytes(ListBase() + ext).isEmpty()) << ext;
    }
}

TEST_F(QuorbelPrefsTest, AZeroByteInAListFileCostsNoEntryAtTheNextSave) {
    QFile::copy(TestDataPath(QStringLiteral("settings/nul-byte.fav1")), ListBase() + ".fav1");
    TQuorbelPrefs prefs = Loaded();
    EXPECT_EQ(prefs.FavIDs[1], (QStringList{"good1", "good2", "badjunk", "good3"}));
    prefs.SaveToIni();
    EXPECT_EQ(ReadBytes(ListBase() + ".fav1"),
              QByteArray("good1\r\ngood2\r\nbadjunk\r\ngood3\r\n"));
}

TEST_F(QuorbelPrefsTest, ASaveWhereNothingCanBeWrittenRaisesTheMessage) {
    WriteBytes(Dir.filePath("plain-file"), "not a folder");
    const QString iniPath = Dir.filePath("plain-file/quorbel.ini");
    TQuorbelPrefs prefs(iniPath, Dir.filePath("plain-file/quorbel"));
    try {
        prefs.SaveToIni();
        ADD_FAILURE() << "no error raised";
    } catch (const TWriteError& error) {
        EXPECT_EQ(error.Message(),
                  iniPath + QStringLiteral(" に書き込めません: ") + SystemReason(ENOTDIR));
    }
}

TEST_F(QuorbelPrefsTest, AFailedSaveLeavesTheOldFilesIntact) {
    UseFixture(QStringLiteral("hand-edited.ini"));
    const QByteArray oldIni = ReadBytes(IniPath());
    const QByteArray oldNGWords = "広告\r\nスパム\r\n";
    WriteBytes(ListBase() + ".ban", oldNGWords);
    TQuorbelPrefs prefs = Edited(Loaded());
    prefs.NGWords.append(QString(40, QLatin1Char('x'))); // too long for the limit
    try {
        const TFileSizeLimit limit;
        prefs.SaveToIni();
        ADD_FAILURE() << "no error raised";
    } catch (const TWriteError& error) {
        EXPECT_EQ(error.Message(),
                  IniPath() + QStringLiteral(" に書き込めません: ") + SystemReason(EFBIG));
    }
    EXPECT_EQ(ReadBytes(IniPath()), oldIni);
    EXPECT_EQ(ReadBytes(ListBase() + ".ban"), oldNGWords);
}

TEST_F(QuorbelPrefsTest, ThePlacementKeepsStateAndBoundsInEveryState) {
    const TQuorbelPrefs prefs = Prefs();
    TFormPlacement placement;
    prefs.LoadFormPlacement(placement, QStringLiteral("FormMain"));
    EXPECT_EQ(placement, TFormPlacement()); // no file: the window system places it

    for (const int state :
         {TFormPlacement::Normal, TFormPlacement::Minimized, TFormPlacement::Maximized}) {
        const TFormPlacement saved{10 + state, 20, 500, 600 + state, state};
        prefs.SaveFormPlacement(saved, "FormMain");
        TFormPlacement restored;
        prefs.LoadFormPlacement(restored, QStringLiteral("formmain"));
        EXPECT_EQ(restored, saved) << "WinState=" << state;
        EXPECT_EQ(prefs.ReadIniInt("FormMain", "WinState", -1), state);
    }
}

TEST_F(QuorbelPrefsTest, SingleKeyAccessorsWorkOnTheFileAtOnce) {
    UseFixture(QStringLiteral("hand-edited.ini"));
    const QByteArray before = ReadBytes(IniPath());
    const TQuorbelPrefs prefs = Prefs();
    prefs.WriteIniInt("Update", "Interval", 90);
    prefs.WriteIniBool("New", "Flag", true);
    prefs.WriteIniString("Tabs", "PickupLabel", "速報");
    EXPECT_EQ(prefs.ReadIniInt("update", "interval", 0), 90);
    EXPECT_TRUE(prefs.ReadIniBool("new", "flag", false));
    EXPECT_EQ(prefs.ReadIniString("Tabs", "PickupLabel", {}), "速報");
    EXPECT_EQ(prefs.ReadIniString("MyPlugin", "Colour", {}), "blue");
    // Three lines changed or added, no other.
    EXPECT_EQ(IniText().count(QStringLiteral("\r\n")),
              QString::fromUtf8(before).count(QStringLiteral("\r\n")) + 2);
}

} // namespace
