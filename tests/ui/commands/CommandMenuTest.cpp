#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "CommandTable.h"
#include "Names.h"
#include "NavigationFixture.h"
#include "PageControlList.h"

namespace {

// A menu as text: command names in order, "|" for a separator line,
// "(name)" for a hidden entry and "[caption: ...]" for a sub-menu.
QString Layout(const QMenu* menu) {
    QStringList entries;
    for (const QAction* entry : menu->actions()) {
        if (entry->isSeparator())
            entries << QStringLiteral("|");
        else if (const QMenu* sub = entry->menu())
            entries << QLatin1Char('[') + entry->text() + QStringLiteral(": ") + Layout(sub) +
                           QLatin1Char(']');
        else if (!entry->isVisible())
            entries << QLatin1Char('(') + entry->data().toString() + QLatin1Char(')');
        else
            entries << entry->objectName();
    }
    return entries.join(u' ');
}

const QString SearchSelection =
    QStringLiteral("[選択文字列を検索(&X): ActionSearchGoogle ActionSearchWikipedia "
                   "ActionSearchWassrSearch ActionSearchFindTab]");
const QString FavIDSubMenus =
    QStringLiteral("[お気に入りIDに追加(&F): ActionAddFavID ActionAddFavID1 ActionAddFavID2 "
                   "ActionAddFavID3 ActionAddFavID4] "
                   "[お気に入りIDから削除(&E): ActionRemoveFavID ActionRemoveFavID1 "
                   "ActionRemoveFavID2 ActionRemoveFavID3 ActionRemoveFavID4]");

class CommandMenuTest : public TNavigationFixture {
protected:
    QString MenuLayout(const char* name) const {
        return Layout(Main().findChild<QMenu*>(QLatin1String(name)));
    }
    int ActiveSheet() const {
        return Main()
            .findChild<TPageControlList*>(QStringLiteral("PageControlList"))
            ->ActiveSheet();
    }
};

TEST_F(CommandMenuTest, EveryCommandIsAWindowWideActionWithItsCaptionAndShortcut) {
    OpenWithRows();
    const QList<QAction*> windowActions = Main().actions();
    for (const TCommandInfo& command : CommandTable()) {
        const QAction* action = Action(command.Name);
        ASSERT_NE(nullptr, action) << command.Name.toStdString();
        EXPECT_TRUE(windowActions.contains(action)) << command.Name.toStdString();
        EXPECT_EQ(Qt::WindowShortcut, action->shortcutContext());
    }
    const struct {
        const char* Name;
        const char* Caption;
        const char* Shortcut;
    } samples[] = {
        {"ActionCopy", "コピー(&C)", "Ctrl+C"},
        {"ActionDestroy", "ヒトコトを削除する(&R)...", "Ctrl+Alt+R"},
        {"ActionCopyUserID", "ユーザIDをコピー(&I)", "Ctrl+Shift+I"},
        {"ActionMoveTimeline", "タイムライン(&T)", "Ctrl+Shift+T"},
        {"ActionHelp", "ヘルプ(&H)...", "F1"},
        {"ActionExit", "終了(&X)", ""},
        {"ActionProperty", "プロパティ", ""},
    };
    for (const auto& sample : samples) {
        const QAction* action = Action(QLatin1String(sample.Name));
        EXPECT_EQ(QString::fromUtf8(sample.Caption), action->text()) << sample.Name;
        EXPECT_EQ(QKeySequence(QLatin1String(sample.Shortcut)), action->shortcut()) << sample.Name;
    }
}

TEST_F(CommandMenuTest, TheMenusHoldTheirEntriesInOrder) {
    OpenWithRows();
    QStringList titles;
    for (const QAction* menu : Main().menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ((QStringList{"ファイル(&F)", "編集(&E)", "操作(&D)", "移動(&M)", "ヘルプ(&H)"}),
              titles);

    EXPECT_EQ(QStringLiteral("ActionExit"), MenuLayout("MenuFile"));
    EXPECT_EQ(QStringLiteral("ActionCopy ActionSelectAll ActionAddPeriod ") + SearchSelection +
                  QStringLiteral(" | ActionCopyUserID ActionCopyUserStatus ActionCopyStatusURL | "
                                 "ActionFind ActionFindUserID ActionFindReplyID ActionFindMyID"),
              MenuLayout("MenuEdit"));
    EXPECT_EQ(QStringLiteral("ActionReply (ActionDirectMessage) | ActionFriendHome ActionFriendFav "
                             "ActionStatusPage ActionFriendSite ActionReplyHome ActionTwitter "
                             "ActionMyFavorites | ActionCreateFavorite | (ActionDestroy) | ") +
                  FavIDSubMenus +
                  QStringLiteral(" | ActionExecuteReload (ActionExecuteMessage) "
                                 "ActionExecuteReloadReply (ActionRateLimit) | ActionExecuteSort "
                                 "ActionExecuteClearUnread | ActionExecutePrefs"),
              MenuLayout("MenuExecute"));
    // The numbered tabs after the first are hidden by default, and so are their entries.
    EXPECT_EQ(QStringLiteral("ActionMoveTimeline (ActionMoveMessage) ActionMoveReply "
                             "ActionMovePickupWord (ActionMovePickupWord1) (ActionMovePickupWord2) "
                             "(ActionMovePickupWord3) (ActionMovePickupWord4) ActionMoveFavID "
                             "(ActionMoveFavID1) (ActionMoveFavID2) (ActionMoveFavID3) "
                             "(ActionMoveFavID4) ActionMoveSearch ActionMoveStatus"),
              MenuLayout("MenuMove"));
    EXPECT_EQ(QStringLiteral("(ActionHelp) (ActionHelpCheckUpdate) ActionHelpAbout"),
              MenuLayout("MenuHelp"));
    EXPECT_EQ(QStringLiteral("ActionCopy ActionSelectAll ActionAddPeriod ") + SearchSelection +
                  QStringLiteral(" | ActionCopyUserID ActionCopyUserStatus ActionCopyStatusURL "
                                 "ActionFindUserID ActionFindReplyID ActionFindMyID | ActionReply "
                                 "(ActionDirectMessage) | ActionFriendHome ActionFriendFav "
                                 "ActionFriendSite ActionStatusPage ActionReplyHome | "
                                 "ActionCreateFavorite | (ActionDestroy) | ") +
                  FavIDSubMenus + QStringLiteral(" PopupMenuProperty"),
              MenuLayout("PopupMenuMain"));
    EXPECT_TRUE(Action(QStringLiteral("ActionExecuteSort"))->isChecked());
}

TEST_F(CommandMenuTest, HiddenEntriesKeepTheirCommandsAndShortcuts) {
    // The first pickup tab is hidden and the second shown: the move menu follows.
    OpenWithRows(QStringLiteral("[TabDisp]\nTabSheetPickupWord=0\nTabSheetPickupWord1=1\n"));
    EXPECT_TRUE(
        MenuLayout("MenuMove")
            .contains(QStringLiteral("ActionMoveReply (ActionMovePickupWord) ActionMovePickupWord1 "
                                     "(ActionMovePickupWord2)")))
        << MenuLayout("MenuMove").toStdString();
    for (const char* name : {"ActionMovePickupWord", "ActionDirectMessage", "ActionDestroy"})
        EXPECT_TRUE(Action(QLatin1String(name))->isVisible()) << name;

    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_W);
    EXPECT_EQ(TabPickupWord, ActiveSheet());
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_M);
    EXPECT_EQ(TabMessage, ActiveSheet());
}

TEST_F(CommandMenuTest, ShortcutsWorkWhereverTheFocusIs) {
    OpenWithRows();
    const struct {
        const char* Focus;
        QKeyCombination Keys;
        int Sheet;
    } cases[] = {
        {"RichEditText", Qt::CTRL | Qt::SHIFT | Qt::Key_R, TabReply},
        {"EditName", Qt::CTRL | Qt::SHIFT | Qt::Key_K, TabSearch},
        {"EditStatus", Qt::CTRL | Qt::SHIFT | Qt::Key_T, TabTimeline},
    };
    for (const auto& c : cases) {
        QWidget* focus = Main().findChild<QWidget*>(QLatin1String(c.Focus));
        ASSERT_NE(nullptr, focus) << c.Focus;
        focus->setFocus();
        QTest::keyClick(focus, c.Keys.key(), c.Keys.keyboardModifiers());
        EXPECT_EQ(c.Sheet, ActiveSheet()) << c.Focus;
    }
}

TEST_F(CommandMenuTest, AShortcutReboundInTheFileWorksAfterARestart) {
    WriteFile(QStringLiteral("shortcut.ini"), "[Shortcut]\r\nactionmovereply=alt+ctrl+y\r\n");
    for (int start = 1; start <= 2; ++start) {
        OpenWithRows();
        Press(Qt::CTRL | Qt::ALT | Qt::Key_Y);
        EXPECT_EQ(TabReply, ActiveSheet()) << "start " << start;
        Press(Qt::CTRL | Qt::SHIFT | Qt::Key_T);
        Press(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
        EXPECT_EQ(TabTimeline, ActiveSheet()) << "the built-in key is gone, start " << start;

        Tray->ChooseExit();
        EXPECT_TRUE(ReadFile(QStringLiteral("shortcut.ini"))
                        .contains("; 返信(&R)\r\nActionMoveReply=Ctrl+Alt+Y\r\n"))
            << "start " << start;
        TearDown();
    }
}

} // namespace
