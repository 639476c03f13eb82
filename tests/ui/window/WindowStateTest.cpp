#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "ModalDriver.h"
#include "QuorbelPrefs.h"
#include "WindowFixture.h"

namespace {

struct TCloseCase {
    bool MinimizeOnClose;
    bool TrayAvailable;
    bool Ends;          // closing the window ends the program
    bool StaysOnScreen; // else only the tray leads back to it
};

class CloseTest : public TWindowFixture, public testing::WithParamInterface<TCloseCase> {};

TEST_P(CloseTest, TheCloseButtonEndsOrKeepsTheProgramRunning) {
    const TCloseCase& c = GetParam();
    Open(QuietAccount() + QStringLiteral("[Windows]\nMinimizeOnClose=%1\n").arg(c.MinimizeOnClose),
         c.TrayAvailable);
    QSignalSpy closed(QuorbelMain.get(), &TFormQuorbelMain::Closed);
    Main().close();
    QTest::qWait(10);

    EXPECT_EQ(c.Ends ? 1 : 0, closed.count());
    // The placement is written at the end only.
    EXPECT_EQ(c.Ends, ReadFile(QStringLiteral("quorbel.ini")).contains("[FormMain]"));
    if (c.Ends)
        return;
    EXPECT_EQ(c.StaysOnScreen, Main().isVisible());
    if (c.TrayAvailable) {
        Tray->Click();
        EXPECT_TRUE(Main().isVisible());
        EXPECT_FALSE(Main().isMinimized());
    }
    // Only "終了(&X)" ends the program.
    Tray->ChooseExit();
    EXPECT_EQ(1, closed.count());
}

INSTANTIATE_TEST_SUITE_P(Settings, CloseTest,
                         testing::Values(TCloseCase{true, true, false, false},
                                         TCloseCase{true, false, false, true},
                                         TCloseCase{false, true, true, false}));

TEST_F(CloseTest, MinimisingHidesTheWindowInTheTrayOnlyWhenAsked) {
    for (const bool inTray : {false, true}) {
        Open(QuietAccount() + QStringLiteral("[Windows]\nMinimizeInTaskTray=%1\n").arg(inTray));
        Main().showMinimized();
        QTest::qWait(20);
        EXPECT_EQ(!inTray, Main().isVisible()) << "MinimizeInTaskTray=" << inTray;
        Tray->Click();
        EXPECT_TRUE(Main().isVisible());
        EXPECT_FALSE(Main().isMinimized());
        TearDown();
    }
}

TEST_F(CloseTest, MinimizeOnCreateStartsInTheTrayOrOnTheTaskbar) {
    for (const bool inTray : {false, true}) {
        SCOPED_TRACE(inTray ? "MinimizeInTaskTray=1" : "MinimizeInTaskTray=0");
        // Open waits for the tray icon, which comes with the first fetches.
        Open(QuietAccount() + QStringLiteral("[Windows]\nMinimizeOnCreate=1\n"
                                             "MinimizeInTaskTray=%1\n")
                                  .arg(inTray));
        QTest::qWait(20);
        EXPECT_TRUE(Main().isMinimized());
        EXPECT_EQ(!inTray, Main().isVisible());
        Tray->Click();
        EXPECT_TRUE(Main().isVisible());
        EXPECT_FALSE(Main().isMinimized());
        TearDown();
    }
}

// The window joins the topmost band when the program loses the activation,
// not before, and only with TopMost on; it stays shown meanwhile.
TEST_F(CloseTest, TopMostTakesEffectWhenTheProgramIsDeactivated) {
    for (const bool topMost : {false, true}) {
        SCOPED_TRACE(topMost ? "TopMost=1" : "TopMost=0");
        Open(QuietAccount() + QStringLiteral("[Windows]\nTopMost=%1\n").arg(topMost));
        EXPECT_FALSE(Main().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The offscreen platform never deactivates a program: say it as the desktop would.
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        EXPECT_EQ(topMost, Main().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(Main().isVisible());
        TearDown();
    }
}

TEST_F(CloseTest, AWindowEndedMinimisedComesBackMinimisedWhereItWas) {
    for (const bool inTray : {false, true}) {
        Open(QuietAccount() + QStringLiteral("[Windows]\nMinimizeInTaskTray=%1\n").arg(inTray));
        Main().move(30, 40);
        Main().resize(420, 500);
        Main().showMinimized();
        QTest::qWait(20);
        Tray->ChooseExit();
        const QString saved = QString::fromUtf8(ReadFile(QStringLiteral("quorbel.ini")));
        EXPECT_TRUE(saved.contains(QRegularExpression(R"(\nWinState=1\r?\n)"))) << inTray;
        TearDown();

        Open(saved);
        EXPECT_TRUE(Main().isMinimized()) << "MinimizeInTaskTray=" << inTray;
        Main().showNormal();
        EXPECT_EQ(QPoint(30, 40), Main().pos());
        EXPECT_EQ(QSize(420, 500), Main().size());
        TearDown();
    }
}

TEST_F(CloseTest, EndingWritesSettingsPlacementAndShortcuts) {
    WriteFile(QStringLiteral("shortcut.ini"),
              "[Shortcut]\r\nActionExecuteReload=Shift+Ctrl+Q\r\nActionCopy=Ctrl+Ins\r\n");
    Open(QuietAccount() + QStringLiteral("[Tabs]\nPickupLabel=猫\n"));
    EXPECT_EQ(QKeySequence(QStringLiteral("Shift+Ctrl+Q")),
              Main().findChild<QAction*>(QStringLiteral("ActionExecuteReload"))->shortcut());
    EXPECT_EQ(QByteArray("<html><body style=\"margin:0px;padding:0px;\" scroll=\"no\" "
                         "oncontextmenu=\"return false\"></body></html>\r\n"),
              ReadFile(QStringLiteral("default.html")));
    ASSERT_TRUE(WaitUntilIdle());

    QSignalSpy closed(QuorbelMain.get(), &TFormQuorbelMain::Closed);
    Tray->ChooseExit();
    ASSERT_EQ(1, closed.count());

    const QString ini = QString::fromUtf8(ReadFile(QStringLiteral("quorbel.ini")));
    EXPECT_TRUE(ini.contains(QRegularExpression(R"(\nPassword=\r?\n)"))) << "no plain password";
    EXPECT_TRUE(ini.contains(QRegularExpression(R"(\nPasswordC=\S+)")));
    EXPECT_TRUE(ini.contains(QRegularExpression(R"(\[FormMain\][^\[]*\nWidth=\d+)")));
    EXPECT_TRUE(ini.contains(QStringLiteral("ListFontName=")));

    const QString shortcuts = QString::fromUtf8(ReadFile(QStringLiteral("shortcut.ini")));
    EXPECT_EQ(62, shortcuts.count(QRegularExpression(R"(\nAction\w+=)")));
    EXPECT_TRUE(shortcuts.contains(QStringLiteral("\r\nActionExecuteReload=Shift+Ctrl+Q\r\n")));
    // A command whose action does not exist yet keeps what the file gave it.
    EXPECT_TRUE(shortcuts.contains(QStringLiteral("\r\nActionCopy=Ctrl+Ins\r\n")));
    // Captions follow the tab names.
    EXPECT_TRUE(
        shortcuts.contains(QStringLiteral("; 猫\r\nActionMovePickupWord=Shift+Ctrl+W\r\n")));
    EXPECT_TRUE(shortcuts.contains(QStringLiteral("; 「お気に入り」に追加\r\nActionAddFavID=")));
}

// A folder standing where the favourite-ID list goes: no write there
// succeeds, not even root's, until the user moves it away.
class EndWithoutWritingTest : public TWindowFixture, public testing::WithParamInterface<bool> {};

TEST_P(EndWithoutWritingTest, TheUserIsToldWhichFileAndMayTryAgain) {
    const bool tryAgain = GetParam();
    Open(QuietAccount());
    ASSERT_TRUE(WaitUntilIdle());
    Main().Prefs().FavIDs[0].append(QStringLiteral("taro")); // this session's change
    ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("quorbel.fav")));

    QString question;
    const TWhenModal<QMessageBox> user([&](QMessageBox& box) {
        question = box.text();
        EXPECT_EQ(QMessageBox::Question, box.icon());
        if (tryAgain)
            QDir(FilePath(QStringLiteral("quorbel.fav"))).removeRecursively();
        box.button(tryAgain ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    QSignalSpy closed(QuorbelMain.get(), &TFormQuorbelMain::Closed);
    Tray->ChooseExit();

    ASSERT_TRUE(user.HasRun());
    EXPECT_EQ(1, closed.count());
    EXPECT_TRUE(
        question.startsWith(QDir::toNativeSeparators(FilePath(QStringLiteral("quorbel.fav"))) +
                            QStringLiteral(" に書き込めません: ")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("もう一度書き込みますか？")));
    // The other files are written all the same.
    EXPECT_TRUE(ReadFile(QStringLiteral("quorbel.ini")).contains("[FormMain]"));
    EXPECT_TRUE(ReadFile(QStringLiteral("shortcut.ini")).contains("ActionCopy="));
    EXPECT_EQ(tryAgain ? QByteArray("taro\r\n") : QByteArray(),
              ReadFile(QStringLiteral("quorbel.fav")));
}

INSTANTIATE_TEST_SUITE_P(Answers, EndWithoutWritingTest, testing::Bool());

} // namespace
