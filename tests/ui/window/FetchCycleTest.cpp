#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include <pthread.h>

#include <QAction>
#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "FailingAllocation.h"
#include "Friends.h"
#include "Names.h"
#include "StatusListModel.h"
#include "StatusListView.h"
#include "StatusLists.h"
#include "TestPaths.h"
#include "TimeoutsOverride.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

namespace {
using namespace std::chrono_literals;

const QString TimelineDone = QStringLiteral("フレンド・タイムライン取得終了 (%1件)");

class FetchCycleTest : public TWindowFixture {
protected:
    // The start-up fetches are done; returns false when they did not end.
    bool OpenAndSettle(const QString& ini) {
        Open(ini);
        return WaitUntilIdle();
    }
    int RowsWithState(int j, int state) const {
        int count = 0;
        for (int i = 0; i < List(j).Count(); ++i)
            count += List(j).Row(i).StateIndex == state ? 1 : 0;
        return count;
    }
    int RowOf(int j, const QString& text) const {
        for (int i = 0; i < List(j).Count(); ++i) {
            if (List(j).Row(i).Item->Text == text)
                return i;
        }
        return -1;
    }
    // How many requests for the path the server has seen.
    int RequestsTo(const QString& path) const {
        int count = 0;
        for (const auto& entry : Server.Requests())
            count += entry.toObject()["path"].toString() == path ? 1 : 0;
        return count;
    }
    QTimer* Timer(const char* name) const { return Main().findChild<QTimer*>(QLatin1String(name)); }
    QString TabCaption(int j) const {
        auto* tabs = Main().findChild<QTabWidget*>(QStringLiteral("PageControlList"));
        return tabs->tabText(tabs->indexOf(Main().findChild<QWidget*>(TabSheetNames[size_t(j)])));
    }

    TWassrdServer Server;
};

TEST_F(FetchCycleTest, StartUpFetchesBothListsAndFillsThemWithoutMarks) {
    ASSERT_TRUE(OpenAndSettle(Server.IniLines(QStringLiteral("ShowUsername=1\n"))));

    QStringList requests;
    for (const auto& entry : Server.Requests()) {
        const QJsonObject request = entry.toObject();
        if (!request["path"].toString().startsWith(QStringLiteral("/statuses/")))
            continue;
        requests << request["method"].toString() + ' ' + request["target"].toString();
        EXPECT_EQ("Basic ZGVtbzpkZW1v", request["headers"]["Authorization"].toString());
    }
    ASSERT_EQ(2, requests.size()) << requests.join(' ').toStdString();
    requests.sort();
    EXPECT_TRUE(QRegularExpression(R"(^GET /statuses/friends_timeline\.json\?\d{17}$)")
                    .match(requests[0])
                    .hasMatch())
        << requests[0].toStdString();
    EXPECT_TRUE(QRegularExpression(R"(^GET /statuses/replies\.json\?\d{17}$)")
                    .match(requests[1])
                    .hasMatch())
        << requests[1].toStdString();

    EXPECT_GE(List(TabTimeline).Count(), 20);
    EXPECT_GT(List(TabReply).Count(), 0);
    for (int j = 0; j < TabCount; ++j)
        EXPECT_EQ(0, RowsWithState(j, 0)) << ListViewNames[size_t(j)].toStdString();
    EXPECT_TRUE(Tray->Balloons.isEmpty());
    EXPECT_TRUE(Panel(0).endsWith(QStringLiteral("件)"))) << Panel(0).toStdString();
    EXPECT_TRUE(Main().findChild<QTimer*>(QStringLiteral("TimerMain"))->isActive());

    const QString caption = QStringLiteral("demo - Quorbel Ver0.52");
    EXPECT_EQ(caption, Main().windowTitle());
    EXPECT_EQ(caption, Tray->ToolTip);
    EXPECT_TRUE(Tray->Visible);
    ASSERT_FALSE(Tray->Images.isEmpty());
    EXPECT_EQ(0, Tray->Images.first());

    // The active list got a selection, and the idle pass counts its rows.
    EXPECT_GE(Main().ListView(TabTimeline)->SelectedIndex(), 0);
    RunEventLoop(50);
    EXPECT_EQ(QString::number(List(TabTimeline).Count()) + QStringLiteral(" アイテム"), Panel(1));
}

TEST_F(FetchCycleTest, LaterFetchesMarkNewsInRowsTabsTrayBalloonAndSound) {
    WriteFile(QStringLiteral("quorbel.pic"), "ねこ\r\n");
    ASSERT_TRUE(
        OpenAndSettle(Server.IniLines() + QStringLiteral("[TaskTray]\nTaskIconNotify=1\n"
                                                         "[Sound]\nSndStatus=1\nSndReply=1\n")));
    // Which start-up fetch ends first is up to the network; one more fetch
    // into the filled timeline makes every later one mark its statuses.
    Press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(TimelineDone.arg(0))) << Panel(0).toStdString();
    const qsizetype balloons = Tray->Balloons.size();
    const qsizetype sounds = Played.size();

    ASSERT_TRUE(Server.Admin(
        "/admin/post",
        {{"user", "tetsu_m"}, {"text", "@demo 了解です"}, {"reply_user_login_id", "demo"}}));
    ASSERT_TRUE(Server.Admin("/admin/post", {{"user", "sakura88"}, {"text", "ねこが来た"}}));
    Press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(TimelineDone.arg(2))) << Panel(0).toStdString();

    const int reply = RowOf(TabTimeline, QStringLiteral("@demo 了解です"));
    const int cat = RowOf(TabTimeline, QStringLiteral("ねこが来た"));
    ASSERT_GE(reply, 0);
    ASSERT_GE(cat, 0);
    EXPECT_EQ(1, List(TabTimeline).Row(reply).StateIndex);
    EXPECT_EQ(0, List(TabTimeline).Row(cat).StateIndex);
    EXPECT_EQ(1, RowsWithState(TabTimeline, 0));
    EXPECT_EQ(QStringLiteral("タイムライン(*)"), TabCaption(TabTimeline));
    EXPECT_EQ(QStringLiteral("返信(*)"), TabCaption(TabReply));
    EXPECT_EQ(QStringLiteral("注目(*)"), TabCaption(TabPickupWord));
    EXPECT_EQ(QStringLiteral("お気に入り"), TabCaption(TabFavID));
    EXPECT_EQ(1, Tray->Images.last());
    ASSERT_EQ(balloons + 1, Tray->Balloons.size());
    const TRecordingTray::TBalloon& balloon = Tray->Balloons.last();
    EXPECT_EQ(QStringLiteral("Wassr:新着フレンド・タイムライン (2件)"), balloon.Title);
    EXPECT_EQ(QStringLiteral("sakura88 : ねこが来た\r\ntetsu_m : @demo 了解です\r\n"),
              balloon.Text);
    EXPECT_EQ(10000, balloon.Msecs);
    // One sound per fetch: the reply's, not the status sound as well.
    EXPECT_EQ(QStringList{FilePath("sound/Default/reply.wav")}, Played.mid(sounds));

    // Clearing the N marks touches the active list only: the pickup copy keeps its mark.
    ASSERT_EQ(1, RowsWithState(TabPickupWord, 0));
    Press(Qt::CTRL | Qt::ALT | Qt::Key_C);
    EXPECT_EQ(0, RowsWithState(TabTimeline, 0));
    EXPECT_EQ(1, RowsWithState(TabPickupWord, 0));

    // Without a reply the status sound plays; the marks follow the new fetch.
    ASSERT_TRUE(Server.Admin("/admin/post", {{"user", "hanako"}, {"text", "ひとつめ"}}));
    Press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(TimelineDone.arg(1))) << Panel(0).toStdString();
    EXPECT_EQ(QStringLiteral("返信"), TabCaption(TabReply));
    EXPECT_EQ(QStringLiteral("注目"), TabCaption(TabPickupWord));
    EXPECT_EQ(0, RowsWithState(TabPickupWord, 0)) << "earlier N marks go with the next news";
    EXPECT_EQ(
        (QStringList{FilePath("sound/Default/reply.wav"), FilePath("sound/Default/status.wav")}),
        Played.mid(sounds));

    // A fetch that brings nothing clears the tab marks and the tray picture, silently.
    Press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(TimelineDone.arg(0))) << Panel(0).toStdString();
    EXPECT_EQ(QStringLiteral("タイムライン"), TabCaption(TabTimeline));
    EXPECT_EQ(0, Tray->Images.last());
    EXPECT_EQ(sounds + 2, Played.size());
}

const QString TimelinePath = QStringLiteral("/statuses/friends_timeline.json");
const QString RepliesPath = QStringLiteral("/statuses/replies.json");

// TimerMain fetches the timeline at each tick and TimerDM gives the update
// check back, both only with automatic updates on; neither fetches the replies.
TEST_F(FetchCycleTest, TheTimersWorkOnlyWithAutomaticUpdates) {
    for (const bool autoUpdate : {true, false}) {
        SCOPED_TRACE(autoUpdate ? "EnableAutoUpdate=1" : "EnableAutoUpdate=0");
        ASSERT_TRUE(OpenAndSettle(
            Server.IniLines() +
            QStringLiteral("[Update]\nInterval=1\nMesInterval=1\nEnableAutoUpdate=%1\n")
                .arg(autoUpdate)));
        QAction* check = Main().findChild<QAction*>(QStringLiteral("ActionHelpCheckUpdate"));
        check->trigger(); // off until TimerDM gives it back
        ASSERT_FALSE(check->isEnabled());
        const int timeline = RequestsTo(TimelinePath);
        const int replies = RequestsTo(RepliesPath);

        RunEventLoop(1600);
        ASSERT_TRUE(WaitUntilIdle());
        EXPECT_EQ(autoUpdate, RequestsTo(TimelinePath) > timeline);
        EXPECT_EQ(replies, RequestsTo(RepliesPath));
        EXPECT_EQ(autoUpdate, check->isEnabled());
        EXPECT_TRUE(Timer("TimerMain")->isActive());
        TearDown();
    }
}

// The refresh timer rests while a timeline fetch runs; the result of any
// fetch, a replies fetch too, starts it again with a full period.
TEST_F(FetchCycleTest, TheRefreshTimerRestsWhileATimelineFetchRuns) {
    ASSERT_TRUE(OpenAndSettle(Server.IniLines() + QStringLiteral("[Update]\nInterval=600\n")));
    ASSERT_TRUE(Timer("TimerMain")->isActive());
    ASSERT_TRUE(Server.Admin("/admin/fault", {{"kind", "slow"}, {"count", "1"}, {"seconds", "2"}}));
    const int timeline = RequestsTo(TimelinePath);
    Press(Qt::CTRL | Qt::Key_R);
    EXPECT_FALSE(Timer("TimerMain")->isActive());
    // The slow reply is the timeline's before the replies are asked for.
    ASSERT_TRUE(QTest::qWaitFor([&] { return RequestsTo(TimelinePath) > timeline; }));

    Press(Qt::CTRL | Qt::Key_Q);
    ASSERT_TRUE(WaitForPanel(QStringLiteral("返信取得終了 (0件)"))) << Panel(0).toStdString();
    EXPECT_TRUE(Timer("TimerMain")->isActive()) << "while the timeline fetch still runs";
    EXPECT_GT(Timer("TimerMain")->remainingTime(), 590000) << "a full period from now";
    ASSERT_TRUE(WaitForPanel(TimelineDone.arg(0))) << Panel(0).toStdString();
    EXPECT_TRUE(Timer("TimerMain")->isActive());
}

// While alive, no thread can be made: every new one would need a stack
// larger than the address space.
class TNoNewThreads final {
public:
    TNoNewThreads() {
        pthread_getattr_default_np(&Saved);
        pthread_attr_t huge;
        pthread_attr_init(&huge);
        pthread_attr_setstacksize(&huge, std::size_t(1) << 60);
        pthread_setattr_default_np(&huge);
        pthread_attr_destroy(&huge);
    }
    ~TNoNewThreads() {
        pthread_setattr_default_np(&Saved);
        pthread_attr_destroy(&Saved);
    }
    TNoNewThreads(const TNoNewThreads&) = delete;
    TNoNewThreads& operator=(const TNoNewThreads&) = delete;

private:
    pthread_attr_t Saved{};
};

TEST_F(FetchCycleTest, AFetchThatCannotStartKeepsTheRefreshCycle) {
    ASSERT_TRUE(OpenAndSettle(Server.IniLines()));
    auto* timerMain = Main().findChild<QTimer*>(QStringLiteral("TimerMain"));
    ASSERT_TRUE(timerMain->isActive());
    {
        const TNoNewThreads noThreads;
        ASSERT_THROW(std::thread([] {}).join(), std::system_error);
        Press(Qt::CTRL | Qt::Key_R);
    }
    EXPECT_EQ(QStringLiteral("フレンド・タイムライン取得エラー"), Panel(0));
    EXPECT_TRUE(timerMain->isActive());
}

// The result of a fetch waits for the UI thread while the user ends the
// program: it must neither merge nor sound after the settings were written.
TEST_F(FetchCycleTest, AResultThatArrivesAsClosingBeginsIsDropped) {
    ASSERT_TRUE(OpenAndSettle(Server.IniLines() + QStringLiteral("[Sound]\nSndStatus=1\n")));
    Press(Qt::CTRL | Qt::Key_R);
    ASSERT_TRUE(WaitForPanel(TimelineDone.arg(0))) << Panel(0).toStdString();
    const int rows = List(TabTimeline).Count();
    const qsizetype sounds = Played.size();

    ASSERT_TRUE(Server.Admin("/admin/post", {{"user", "hanako"}, {"text", "閉じる間際"}}));
    const qsizetype requests = Server.Requests().size();
    Press(Qt::CTRL | Qt::Key_R);
    // No event runs here: the worker gets its reply and waits for this thread.
    while (Server.Requests().size() == requests)
        std::this_thread::sleep_for(5ms);
    std::this_thread::sleep_for(300ms);
    QuorbelMain->Close();
    RunEventLoop(200);
    EXPECT_TRUE(WaitUntilIdle());
    EXPECT_EQ(rows, List(TabTimeline).Count());
    EXPECT_EQ(sounds, Played.size());
}

struct TFailureCase {
    const char* Fault;
    QKeyCombination Keys;
    const char* Text;
};

class FetchFailureTest : public FetchCycleTest, public testing::WithParamInterface<TFailureCase> {};

TEST_P(FetchFailureTest, ShowsTheOutcomeAndKeepsTheTimerRunning) {
    // A trickle just above the low-speed limit ends at the deadline.
    const TTimeoutsOverride timeouts({.Main = {.Deadline = 2s}});
    ASSERT_TRUE(OpenAndSettle(Server.IniLines()));
    const int rows = List(TabTimeline).Count();
    ASSERT_TRUE(Server.Admin("/admin/fault", {{"kind", GetParam().Fault}, {"count", "1"}}));
    ASSERT_TRUE(Server.Admin("/admin/post", {{"user", "hanako"}, {"text", "届かない"}}));
    Press(GetParam().Keys);
    ASSERT_TRUE(WaitForPanel(QString::fromUtf8(GetParam().Text))) << Panel(0).toStdString();
    EXPECT_TRUE(Main().findChild<QTimer*>(QStringLiteral("TimerMain"))->isActive());
    EXPECT_EQ(rows, List(TabTimeline).Count());
}

// Memory running out as the merge begins: the timeline's error text, nothing
// half-added, and the same statuses merge whole the next time.
TEST_F(FetchCycleTest, AMergeThatFailsShowsTheErrorTextAndTheNextOneBringsTheStatuses) {
    ASSERT_TRUE(OpenAndSettle(Server.IniLines()));
    QFile file(TestDataPath(QStringLiteral("model/wassr_public_timeline.json")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TFriends friends;
    friends.ParseJSON(file.readAll());
    ASSERT_GT(friends.Count(), 0);
    const int rows = List(TabTimeline).Count();

    {
        const TFailingAllocation failure(1);
        Main().MergeStatuses(friends, KindTimeline);
        ASSERT_TRUE(failure.Failed());
    }
    EXPECT_EQ(QStringLiteral("フレンド・タイムライン取得エラー"), Panel(0));
    EXPECT_EQ(rows, List(TabTimeline).Count());

    Main().MergeStatuses(friends, KindTimeline);
    EXPECT_EQ(TimelineDone.arg(friends.Count()), Panel(0));
    EXPECT_EQ(rows + friends.Count(), List(TabTimeline).Count());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, FetchFailureTest,
    testing::Values(
        TFailureCase{"500", Qt::CTRL | Qt::Key_R, "フレンド・タイムライン取得エラー"},
        TFailureCase{"400", Qt::CTRL | Qt::Key_R, "フレンド・タイムライン取得エラー(API制限)"},
        TFailureCase{"badjson", Qt::CTRL | Qt::Key_R, "フレンド・タイムラインXMLパースエラー"},
        TFailureCase{"trickle", Qt::CTRL | Qt::Key_R, "フレンド・タイムライン取得エラー"},
        TFailureCase{"trickle", Qt::CTRL | Qt::Key_Q, "返信取得エラー"},
        TFailureCase{"500", Qt::CTRL | Qt::Key_Q, "返信取得エラー"},
        TFailureCase{"400", Qt::CTRL | Qt::Key_Q, "返信取得エラー(API制限)"}));

} // namespace
