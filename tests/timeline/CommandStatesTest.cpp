#include "CommandStates.h"

#include <gtest/gtest.h>

#include "CommandTable.h"
#include "TimelineFixture.h"

namespace {

using Expect = QList<std::pair<const char*, bool>>;

TQuorbelItem Status(const QString& user, const QString& replyTo = {},
                    const QByteArray& link = "L") {
    TQuorbelItem item;
    item.UserID = user;
    item.ReplyUserID = replyTo;
    item.Link = link;
    return item;
}

class CommandStatesTest : public testing::Test {
protected:
    CommandStatesTest() { f.Prefs.FavIDs[0] = {QStringLiteral("Taro")}; }

    TCommandStates Pass(TCommandFocus focus, const TQuorbelItem* selected, int rows = 3) {
        TCommandContext context;
        context.Focus = focus;
        context.Selected = selected;
        context.RowCount = rows;
        context.TextSelected = TextSelected;
        context.StatusText = StatusText;
        context.SearchText = SearchText;
        States = ComputeCommandStates(context, f.Prefs, States);
        return States;
    }

    static void Check(const TCommandStates& states, const Expect& expected, const char* label) {
        for (const auto& [name, enabled] : expected) {
            ASSERT_TRUE(states.contains(QLatin1String(name))) << name;
            EXPECT_EQ(states.value(QLatin1String(name)), enabled) << label << ": " << name;
        }
    }

    TTimelineFixture f; // account "me"
    TCommandStates States = InitialCommandStates();
    bool TextSelected = false;
    QString StatusText;
    QString SearchText;
};

TEST_F(CommandStatesTest, CoversEveryCommandAndTheExtraEntries) {
    const TCommandStates states = Pass(TCommandFocus::None, nullptr, 0);
    EXPECT_EQ(states.size(), CommandCount + 4);
    for (const TCommandInfo& command : CommandTable())
        EXPECT_TRUE(states.contains(command.Name)) << command.Name.toStdString();
    // Never disabled.
    Check(states,
          {{"ActionTwitter", true},
           {"ActionMyFavorites", true},
           {"ActionHelp", true},
           {"ActionExecuteMessage", true},
           {"ActionFindMyID", true},
           {"ActionProperty", true},
           {"ActionExecuteReload", true}},
          "no focus");
    // Nothing to work on.
    Check(states,
          {{"ActionReply", false},
           {"ActionFriendHome", false},
           {"ActionFind", false},
           {"ButtonSearch", false},
           {"ActionAddPeriod", false},
           {"ActionCopy", false},
           {"PopupMenuProperty", false}},
          "no focus");
}

TEST_F(CommandStatesTest, FollowsTheFocusAndTheSelection) {
    const TQuorbelItem other = Status(QStringLiteral("taro"), QStringLiteral("me"));
    const TQuorbelItem mine = Status(QStringLiteral("me"), {}, {});

    // The composer has the focus and a selection: text commands only, plus the
    // row commands that do not care where the focus is.
    TextSelected = true;
    StatusText = QStringLiteral("@taro hi");
    Check(Pass(TCommandFocus::TextField, &other),
          {{"ActionCopy", true},
           {"ActionSelectAll", true},
           {"ActionSearchGoogle", true},
           {"ActionSearchFindTab", true},
           {"MenuSearchSelection", true},
           {"PopupMenuSearchSelection", true},
           {"ActionAddPeriod", true},
           {"ActionFriendHome", true},
           {"ActionFriendFav", true},
           {"ActionReply", true},
           {"ActionStatusPage", false},
           {"ActionCreateFavorite", false},
           {"ActionCopyUserID", false},
           {"ActionDestroy", false},
           {"PopupMenuProperty", false}},
          "composer with selection");
    TextSelected = false;
    Check(Pass(TCommandFocus::TextField, &other),
          {{"ActionCopy", false},
           {"ActionSelectAll", true},
           {"ActionSearchWikipedia", false},
           {"MenuSearchSelection", false}},
          "composer without selection");

    Check(Pass(TCommandFocus::List, &other),
          {{"ActionCopy", false},
           {"ActionSelectAll", false},
           {"ActionStatusPage", true},
           {"ActionCreateFavorite", true},
           {"PopupMenuProperty", true},
           {"ActionDestroy", false},
           {"ActionCopyUserID", true},
           {"ActionCopyUserStatus", true},
           {"ActionCopyStatusURL", true},
           {"ActionReplyHome", true},
           {"ActionFindReplyID", true},
           {"ActionFindUserID", true},
           {"ActionFriendSite", true}},
          "list, other's reply");
    Check(Pass(TCommandFocus::List, &mine),
          {{"ActionDestroy", true},
           {"ActionReplyHome", false},
           {"ActionFindReplyID", false},
           {"ActionFriendSite", false}},
          "list, own status without reply or link");

    // Right-click on a list without a selection: every row command is off.
    SearchText = QStringLiteral("q");
    Check(Pass(TCommandFocus::List, nullptr),
          {{"ActionStatusPage", false},
           {"ActionCopyUserID", false},
           {"ActionAddFavID", false},
           {"ActionRemoveFavID1", false},
           {"ActionReply", false},
           {"PopupMenuProperty", false},
           {"ActionFind", true},
           {"ButtonSearch", true}},
          "list without selection");
}

TEST_F(CommandStatesTest, MembershipIgnoresCaseAndStatesSurviveAFocusChange) {
    const TQuorbelItem taro = Status(QStringLiteral("taro"));
    // List 0 holds "Taro": taro counts as a member there, nowhere else.
    Check(Pass(TCommandFocus::List, &taro),
          {{"ActionAddFavID", false},
           {"ActionRemoveFavID", true},
           {"ActionAddFavID1", true},
           {"ActionRemoveFavID1", false},
           {"ActionAddFavID4", true}},
          "list focus");

    // In the composer the add commands and removes 1 to 4 keep their states;
    // the first remove command is always switched off there.
    Check(Pass(TCommandFocus::TextField, &taro),
          {{"ActionAddFavID", false},
           {"ActionRemoveFavID", false},
           {"ActionAddFavID1", true},
           {"ActionRemoveFavID1", false}},
          "composer");

    const TQuorbelItem hanako = Status(QStringLiteral("hanako"));
    Pass(TCommandFocus::List, &hanako);
    Check(Pass(TCommandFocus::None, &hanako),
          {{"ActionAddFavID", true}, {"ActionRemoveFavID", false}, {"ActionCopyUserID", false}},
          "focus elsewhere after hanako");
}

TEST_F(CommandStatesTest, ADirectMessageHasNoWebCommands) {
    TQuorbelItem message = Status(QStringLiteral("me"), QStringLiteral("taro"));
    message.IsMessage = true;
    Check(Pass(TCommandFocus::List, &message),
          {{"ActionReplyHome", false},
           {"ActionStatusPage", false},
           {"ActionCreateFavorite", false},
           {"ActionDestroy", false},
           {"ActionCopyUserID", true},
           {"PopupMenuProperty", true}},
          "message");
}

} // namespace
