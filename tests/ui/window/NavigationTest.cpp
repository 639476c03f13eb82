#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "Names.h"
#include "NavigationFixture.h"
#include "PageControlList.h"
#include "StatusListView.h"

namespace {

const QString TaroReply = QStringLiteral("@hanako: おはよう http://example.jp/a, b");

class NavigationTest : public TNavigationFixture {
protected:
    // The command, or a menu entry with a state of its own.
    bool Enabled(const QString& name) const {
        QAction* action = Action(name);
        if (!action)
            action = Main().findChild<QAction*>(name);
        EXPECT_NE(nullptr, action) << name.toStdString();
        return action && action->isEnabled();
    }
    struct TState {
        const char* Name;
        bool Enabled;
    };
    void ExpectStates(std::initializer_list<TState> states, const char* when) const {
        for (const TState& state : states)
            EXPECT_EQ(state.Enabled, Enabled(QLatin1String(state.Name)))
                << state.Name << " " << when;
    }
    QLineEdit* EditStatus() const {
        return Main().findChild<QLineEdit*>(QStringLiteral("EditStatus"));
    }
    QPoint RowPoint(int row) const {
        return Timeline()->visualRect(Timeline()->model()->index(row, 1)).center();
    }
    QPoint BelowTheRows() const {
        const QRect last = Timeline()->visualRect(Timeline()->model()->index(5, 1));
        return {20, last.bottom() + 5};
    }
};

TEST_F(NavigationTest, TheMergeAndATabWithoutSelectionShowTheNewestRow) {
    for (const bool reverse : {false, true}) {
        WriteFile(QStringLiteral("quorbel.fav"), "taro\r\n");
        OpenWithRows(QStringLiteral("[Update]\nReverseSort=%1\n").arg(reverse));
        // The merge into the empty active list selected its newest row: the
        // last one when the oldest come first.
        EXPECT_EQ(reverse ? 5 : 0, Timeline()->SelectedIndex()) << "ReverseSort=" << reverse;
        EXPECT_EQ(TaroReply, Shown("RichEditText")) << "ReverseSort=" << reverse;
        TStatusListView* favourites = Main().ListView(TabFavID);
        ASSERT_EQ(2, favourites->RowCount());
        ASSERT_EQ(-1, favourites->SelectedIndex());

        Press(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
        EXPECT_EQ(favourites, Main().ActiveListView());
        EXPECT_EQ(favourites, Main().focusWidget());
        EXPECT_EQ(reverse ? 1 : 0, favourites->SelectedIndex()) << "ReverseSort=" << reverse;
        EXPECT_EQ(TaroReply, Shown("RichEditText")) << "ReverseSort=" << reverse;
        TearDown();
    }
}

TEST_F(NavigationTest, MoveCommandsReachHiddenTabsToo) {
    OpenWithRows(QStringLiteral("[TabDisp]\nTabSheetPickupWord=0\n"));
    auto* tabs = Main().findChild<TPageControlList*>(QStringLiteral("PageControlList"));
    ASSERT_FALSE(tabs->IsSheetVisible(TabPickupWord));
    const struct {
        QKeyCombination Keys;
        int Sheet;
    } moves[] = {
        {Qt::CTRL | Qt::SHIFT | Qt::Key_M, TabMessage},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_W, TabPickupWord},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_K, TabSearch},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_T, TabTimeline},
    };
    for (const auto& move : moves) {
        Press(move.Keys);
        EXPECT_EQ(move.Sheet, tabs->ActiveSheet())
            << ListViewNames[size_t(move.Sheet)].toStdString();
        EXPECT_EQ(Main().ListView(move.Sheet), Main().focusWidget())
            << ListViewNames[size_t(move.Sheet)].toStdString();
    }
    EXPECT_EQ(TaroReply, Shown("RichEditText"));
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    EXPECT_EQ(EditStatus(), Main().focusWidget());
}

TEST_F(NavigationTest, FindWithoutSelectionStartsFromTheTopmostVisibleRow) {
    OpenWithRows();
    TStatusListView* list = Timeline();
    Main().resize(Main().width(), Main().minimumSizeHint().height());
    QTest::qWait(20);
    list->clearSelection();
    list->scrollToBottom();
    const int top = list->indexAt(QPoint(0, 0)).row();
    ASSERT_GT(top, 0) << "the short list scrolled";
    list->setFocus();
    Settle();

    Press(Qt::CTRL | Qt::Key_F);
    EXPECT_EQ(top, list->SelectedIndex());
    auto* dialog = Main().findChild<QDialog*>(QStringLiteral("FindDialogMain"));
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(NavigationTest, CtrlUpAndDownJumpBetweenOneAuthorsRows) {
    OpenWithRows();
    TStatusListView* list = Timeline();
    list->setFocus();
    const struct {
        int From;
        Qt::Key Key;
        int To;
    } jumps[] = {
        {0, Qt::Key_Down, 3},                       // taro's next status
        {3, Qt::Key_Down, 3},                       // none below: "Taro" is another user
        {3, Qt::Key_Up, 0},   {4, Qt::Key_Down, 4}, // jiro has one status only
        {4, Qt::Key_Up, 4},
    };
    for (const auto& jump : jumps) {
        list->SelectRow(jump.From);
        QTest::keyClick(list, jump.Key, Qt::ControlModifier);
        EXPECT_EQ(jump.To, list->SelectedIndex()) << jump.From << " " << jump.Key;
        EXPECT_EQ(jump.To, list->currentIndex().row()) << "the focus stays with the selection";
    }
    // Nothing above the first row: the list moves as usual (nowhere).
    list->SelectRow(0);
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(0, list->SelectedIndex());
    EXPECT_EQ(TaroReply, Shown("RichEditText"));
}

TEST_F(NavigationTest, SingleLetterCommandsOnlyWithEnableP3Key) {
    // Either letter case; row 0 is taro's status with a site of its own.
    const struct {
        const char* Letters;
        const char* Command;
    } letters[] = {
        {"wW", "ActionFriendSite"}, {"tThH", "ActionFriendHome"},  {"fF", "ActionCreateFavorite"},
        {"cC", "ActionStatusPage"}, {"dD", "ActionDirectMessage"},
    };
    for (const bool p3 : {false, true}) {
        SCOPED_TRACE(p3 ? "EnableP3Key=1" : "EnableP3Key=0");
        OpenWithRows(QStringLiteral("[UI]\nEnableP3Key=%1\n").arg(p3));
        TStatusListView* list = Timeline();
        list->setFocus();

        // A letter without a command: with the keys on it goes nowhere, not
        // even to the list's type-ahead search.
        QTest::keyClicks(list, QStringLiteral("j"));
        EXPECT_EQ(p3 ? 0 : 4, list->SelectedIndex());
        list->SelectRow(0);
        Settle();
        for (const auto& letter : letters) {
            QSignalSpy runs(Isolated(QLatin1String(letter.Command)), &QAction::triggered);
            QTest::keyClicks(list, QLatin1String(letter.Letters));
            EXPECT_EQ(p3 ? qsizetype(strlen(letter.Letters)) : 0, runs.count()) << letter.Command;
        }
        // Deleting is for one's own statuses only.
        QSignalSpy destroy(Isolated(QStringLiteral("ActionDestroy")), &QAction::triggered);
        QTest::keyClicks(list, QStringLiteral("r"));
        EXPECT_EQ(0, destroy.count());
        list->SelectRow(2);
        Settle();
        QTest::keyClicks(list, QStringLiteral("R"));
        EXPECT_EQ(p3 ? 1 : 0, destroy.count());
        TearDown();
    }
}

TEST_F(NavigationTest, DoubleClickAndEnterRunTheCommandOfListDubbleClickMode) {
    const struct {
        int Mode;
        const char* Runs; // null: nothing
    } cases[] = {
        {0, "ActionReply"}, {1, "ActionDirectMessage"}, {2, "ActionFriendHome"}, {3, nullptr}};
    for (const auto& c : cases) {
        OpenWithRows(QStringLiteral("[Windows]\nListDubbleClickMode=%1\n").arg(c.Mode));
        std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
        for (const char* name : {"ActionReply", "ActionDirectMessage", "ActionFriendHome"})
            spies.emplace_back(
                QLatin1String(name),
                std::make_unique<QSignalSpy>(Isolated(QLatin1String(name)), &QAction::triggered));
        TStatusListView* list = Timeline();
        const auto expectRuns = [&](int times, const char* how) {
            for (const auto& [name, spy] : spies)
                EXPECT_EQ(name == QLatin1String(c.Runs) ? times : 0, spy->count())
                    << name.toStdString() << " in mode " << c.Mode << " after " << how;
        };
        DoubleClick(list->viewport(), RowPoint(1));
        EXPECT_EQ(1, list->SelectedIndex());
        expectRuns(1, "a double-click");
        QTest::keyClick(list, Qt::Key_Return);
        expectRuns(2, "Enter");
        TearDown();
    }
}

TEST_F(NavigationTest, TheContextMenuOpensAtThePointerOrAtTheListsCorner) {
    OpenWithRows();
    auto* popup = Main().findChild<QMenu*>(QStringLiteral("PopupMenuMain"));
    TStatusListView* list = Timeline();

    // The menu may move up to fit on the screen, never sideways here.
    const QPoint row1(120, RowPoint(1).y());
    RightClick(list->viewport(), row1);
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    EXPECT_EQ(list->viewport()->mapToGlobal(row1).x(), popup->pos().x());
    EXPECT_EQ(1, list->SelectedIndex());
    EXPECT_TRUE(Enabled(QStringLiteral("ActionReply")));
    popup->close();

    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(30, 30),
                          list->mapToGlobal(QPoint(30, 30)));
    QApplication::sendEvent(list, &key);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(list->viewport()->mapToGlobal(QPoint(0, 0)).x(), popup->pos().x());
    popup->close();

    // The detail pane's text asks for the same menu.
    QWidget* text = Main().findChild<QWidget*>(QStringLiteral("RichEditText"));
    RightClick(qobject_cast<QAbstractScrollArea*>(text)->viewport(), QPoint(10, 5));
    EXPECT_TRUE(popup->isVisible());
    popup->close();

    // Below the rows: no selection, so the row commands are off.
    RightClick(list->viewport(), BelowTheRows());
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    EXPECT_EQ(-1, list->SelectedIndex());
    ExpectStates({{"ActionReply", false},
                  {"ActionFriendHome", false},
                  {"ActionStatusPage", false},
                  {"ActionCopyUserID", false},
                  {"PopupMenuProperty", false},
                  {"ActionFind", true}},
                 "without selection");
    popup->close();
}

TEST_F(NavigationTest, TheAvailabilityPassFollowsFocusAndSelection) {
    // The favourite-ID list holds "Taro"; the selected row is taro's.
    WriteFile(QStringLiteral("quorbel.fav"), "Taro\r\n");
    OpenWithRows();
    TStatusListView* list = Timeline();
    list->setFocus();
    Settle();
    ExpectStates({{"ActionReply", true},
                  {"ActionStatusPage", true},
                  {"PopupMenuProperty", true},
                  {"ActionDestroy", false},
                  {"ActionCopy", false},
                  {"ActionSelectAll", false},
                  {"MenuSearchSelection", false},
                  {"ActionAddFavID", false},
                  {"ActionRemoveFavID", true},
                  {"ActionAddFavID1", true},
                  {"ActionRemoveFavID1", false},
                  {"ActionReplyHome", true},
                  {"ActionFindReplyID", true},
                  {"ActionFriendSite", true},
                  {"ActionAddPeriod", false}},
                 "on another's reply");

    list->SelectRow(2);
    Settle();
    ExpectStates({{"ActionDestroy", true},
                  {"ActionReplyHome", false},
                  {"ActionFriendSite", false},
                  {"ActionAddFavID", true},
                  {"ActionRemoveFavID", false}},
                 "on one's own status");

    // In the input line: copy follows its selection; the add commands keep
    // the state the list gave them, the first remove command is off.
    list->SelectRow(0);
    Settle();
    QLineEdit* edit = EditStatus();
    ASSERT_NE(nullptr, edit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("@taro ok"));
    Settle();
    ExpectStates({{"ActionCopy", false},
                  {"ActionSelectAll", true},
                  {"ActionStatusPage", false},
                  {"ActionReply", true},
                  {"ActionAddPeriod", true},
                  {"ActionAddFavID", false},
                  {"ActionAddFavID1", true},
                  {"ActionRemoveFavID", false}},
                 "in EditStatus");
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    Settle();
    ExpectStates(
        {{"ActionCopy", true}, {"MenuSearchSelection", true}, {"ActionSearchGoogle", true}},
        "with text selected in EditStatus");
}

TEST_F(NavigationTest, AnIdlePassWithNothingChangedTouchesNothing) {
    OpenWithRows();
    ASSERT_TRUE(WaitUntilIdle());
    Timeline()->setFocus();
    Settle();
    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    for (QAction* action : Main().findChildren<QAction*>())
        spies.emplace_back(action->objectName(),
                           std::make_unique<QSignalSpy>(action, &QAction::changed));
    Main().RefreshCommandStates();
    RunEventLoop(20);
    for (const auto& [name, spy] : spies)
        EXPECT_EQ(0, spy->count()) << name.toStdString();

    // Selecting one's own status changes the delete command only once.
    QSignalSpy destroy(Action(QStringLiteral("ActionDestroy")), &QAction::changed);
    Timeline()->SelectRow(2);
    Settle();
    Main().RefreshCommandStates();
    EXPECT_EQ(1, destroy.count());
}

} // namespace
