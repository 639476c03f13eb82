#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "CommandSet.h"
#include "FormAbout.h"
#include "ModalDriver.h"
#include "QuorbelPrefs.h"
#include "RecordingOpener.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

namespace {

const QString CheckUpdate = QStringLiteral("ActionHelpCheckUpdate");

class HelpCommandsTest : public TWindowFixture {
protected:
    void OpenAndSettle(const QString& extraIni = {}) {
        Open(Server.IniLines() + extraIni);
        ASSERT_TRUE(WaitUntilIdle());
        Main().SetUrlOpener(std::make_unique<TRecordingOpener>(Opened));
    }

    QAction* Command(const QString& name) const { return Main().Commands().Action(name); }
    QWidget* Notice() const { return Main().findChild<QWidget*>(QStringLiteral("PanelVersionUp")); }
    QString NoticeText() const {
        return Main().findChild<QLabel*>(QStringLiteral("LabelVersionUp"))->text();
    }
    void Click(const QString& button) const {
        QTest::mouseClick(Main().findChild<QPushButton*>(button), Qt::LeftButton);
    }

    // Runs the version check against the maker's site at makerURL.
    void CheckVersionAt(const QString& makerURL, const QString& endText) {
        Main().Prefs().Server.MakerURL = makerURL;
        Command(CheckUpdate)->setEnabled(true); // as each tick of TimerDM does
        Command(CheckUpdate)->trigger();
        EXPECT_FALSE(Command(CheckUpdate)->isEnabled());
        EXPECT_EQ(QStringLiteral("バージョン確認中..."), Panel(0));
        EXPECT_TRUE(WaitForPanel(endText)) << Panel(0).toStdString();
    }

    TWassrdServer Server;
    QStringList Opened;
};

TEST_F(HelpCommandsTest, AVersionIsAnnouncedOnlyWhenItIsGreaterAsText) {
    const struct {
        const char* Served;
        const char* Announced; // null: no notice
    } cases[] = {
        {"0.53", "0.53"},
        {"0.6", "0.6"},
        {"1.0", "1.0"},
        {"0.52", nullptr},
        {"0.100", nullptr},
        {"0", nullptr},
        {"\\r\\n0.53\\r\\n", "0.53"},
    };
    OpenAndSettle();
    EXPECT_FALSE(Notice()->isVisible());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Served);
        TWassrdServer maker({QStringLiteral("--version-text"), QString::fromLatin1(c.Served)});
        CheckVersionAt(maker.Base(), QStringLiteral("バージョン確認終了"));
        EXPECT_EQ(c.Announced != nullptr, Notice()->isVisible());
        if (!c.Announced)
            continue;
        EXPECT_EQ(QStringLiteral("Quorbelの最新バージョン Ver.%1 が公開されています！")
                      .arg(QLatin1String(c.Announced)),
                  NoticeText());
        Click(QStringLiteral("ButtonVersionUpClose"));
        EXPECT_FALSE(Notice()->isVisible());
    }
    EXPECT_TRUE(Opened.isEmpty());
}

TEST_F(HelpCommandsTest, AFailedCheckSaysSoAndAnnouncesNothing) {
    OpenAndSettle();
    QString closed;
    {
        TWassrdServer gone;
        closed = gone.Base();
    }
    CheckVersionAt(closed, QStringLiteral("バージョン確認エラー"));
    EXPECT_FALSE(Notice()->isVisible());
}

TEST_F(HelpCommandsTest, TheDownloadButtonOpensTheDownloadPageAndHidesTheNotice) {
    OpenAndSettle();
    TWassrdServer maker({QStringLiteral("--version-text"), QStringLiteral("0.53")});
    CheckVersionAt(maker.Base(), QStringLiteral("バージョン確認終了"));
    ASSERT_TRUE(Notice()->isVisible());
    Click(QStringLiteral("ButtonVersionUp"));
    EXPECT_EQ(QStringList{maker.Base() + QStringLiteral("/quorbel/download/")}, Opened);
    EXPECT_FALSE(Notice()->isVisible());
}

TEST_F(HelpCommandsTest, TimerDMEnablesTheCheckAgain) {
    OpenAndSettle(QStringLiteral("[Update]\nMesInterval=1\n"));
    Command(CheckUpdate)->trigger();
    ASSERT_FALSE(Command(CheckUpdate)->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Command(CheckUpdate)->isEnabled(); }, 5000));
    EXPECT_TRUE(WaitUntilIdle());
}

TEST_F(HelpCommandsTest, TheRateLimitGoesToTheThirdPanelAndANarrowFirstPanelEndsInAnEllipsis) {
    OpenAndSettle();
    Main().resize(520, Main().height());
    Press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return Panel(0).startsWith(QStringLiteral("フレンド・タイムライン取得終了")); },
        15000));
    TWassrdServer limited({QStringLiteral("--hourly-limit"), QStringLiteral("100")});
    Main().Prefs().Server.TwitterApiURL = limited.Base();
    Command(QStringLiteral("ActionRateLimit"))->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return Panel(2) == QStringLiteral("100 r/h"); }, 15000))
        << Panel(2).toStdString();

    // Panel 0 takes what panels 1 and 2 leave; panel 3 would begin at the
    // right edge and is not shown.
    const QWidget* row =
        Main().findChild<QLabel*>(QStringLiteral("StatusBarMainPanel0"))->parentWidget();
    QList<int> lefts, widths;
    QList<bool> shown;
    for (int i = 0; i < 4; ++i) {
        const QLabel* panel =
            Main().findChild<QLabel*>(QStringLiteral("StatusBarMainPanel%1").arg(i));
        lefts << panel->geometry().left();
        widths << panel->width();
        shown << panel->isVisible();
    }
    const int room = row->width() - 200;
    EXPECT_GT(room, 0);
    EXPECT_EQ((QList<int>{room, 100, 100, 0}), widths);
    EXPECT_EQ((QList<int>{0, room, room + 100, row->width()}), lefts);
    EXPECT_EQ((QList<bool>{true, true, true, false}), shown);
    const auto* first = Main().findChild<QLabel*>(QStringLiteral("StatusBarMainPanel0"));
    EXPECT_LE(first->fontMetrics().horizontalAdvance(first->text()), first->contentsRect().width())
        << first->text().toStdString();
    EXPECT_EQ(first->text(), first->toolTip());

    // A narrower window cuts the text with an ellipsis; the tip and the
    // panel's text stay whole.
    const QString whole = Panel(0);
    Main().resize(300, Main().height());
    QTest::qWait(10);
    EXPECT_TRUE(first->text().endsWith(u'…')) << first->text().toStdString();
    EXPECT_TRUE(whole.startsWith(first->text().chopped(1))) << first->text().toStdString();
    EXPECT_LE(first->fontMetrics().horizontalAdvance(first->text()), first->contentsRect().width());
    EXPECT_EQ(whole, first->toolTip());
    EXPECT_EQ(whole, Panel(0));
}

TEST_F(HelpCommandsTest, TheAboutBoxsLogoOpensTheMakersPage) {
    OpenAndSettle();
    const TWhenModal<TFormAbout> driver([&](TFormAbout& about) {
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("ImageLogo")), Qt::LeftButton);
        EXPECT_TRUE(about.isVisible());
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("ButtonOK")),
                          Qt::LeftButton);
    });
    Command(QStringLiteral("ActionHelpAbout"))->trigger();
    EXPECT_TRUE(driver.HasRun());
    EXPECT_EQ(QStringList{Server.Base() + QStringLiteral("/quorbel/")}, Opened);
}

} // namespace
