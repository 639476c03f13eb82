#include "CommandStates.h"

#include "CommandTable.h"
#include "Names.h"
#include "StatusFilters.h"

namespace {

const QString AddFavID = QStringLiteral("ActionAddFavID");
const QString RemoveFavID = QStringLiteral("ActionRemoveFavID");

// Disabled at the start of every pass, to be enabled again below as the focus
// and the selection allow.
const QStringList ResetEntries = {
    QStringLiteral("ActionCopy"),
    QStringLiteral("ActionSelectAll"),
    QStringLiteral("ActionStatusPage"),
    QStringLiteral("ActionCreateFavorite"),
    QStringLiteral("ActionDestroy"),
    QStringLiteral("ActionCopyUserID"),
    QStringLiteral("ActionCopyUserStatus"),
    QStringLiteral("ActionCopyStatusURL"),
    QStringLiteral("ActionReplyHome"),
    PopupMenuPropertyName,
    RemoveFavID,
    QStringLiteral("ActionFriendSite"),
    QStringLiteral("ActionFindUserID"),
    QStringLiteral("ActionFindReplyID"),
    QStringLiteral("ActionSearchGoogle"),
    QStringLiteral("ActionSearchWikipedia"),
    QStringLiteral("ActionSearchWassrSearch"),
    QStringLiteral("ActionSearchFindTab"),
    MenuSearchSelectionName,
    PopupMenuSearchSelectionName,
};

// They search the selected text, so they follow ActionCopy.
const QStringList SelectionSearches = {
    QStringLiteral("ActionSearchGoogle"),
    QStringLiteral("ActionSearchWikipedia"),
    QStringLiteral("ActionSearchWassrSearch"),
    QStringLiteral("ActionSearchFindTab"),
    MenuSearchSelectionName,
    PopupMenuSearchSelectionName,
};

void ApplyTextFieldFocus(const TCommandContext& context, TCommandStates& states) {
    states[QStringLiteral("ActionCopy")] = context.TextSelected;
    states[QStringLiteral("ActionSelectAll")] = true;
    for (const QString& name : SelectionSearches)
        states[name] = context.TextSelected;
}

void ApplyListFocus(const TCommandContext& context, const TQuorbelPrefs& prefs,
                    TCommandStates& states) {
    const TQuorbelItem* r = context.Selected;
    // A direct message has no status page and can be neither liked nor answered
    // on the web.
    const bool status = r && !r->IsMessage;
    states[QStringLiteral("ActionStatusPage")] = status;
    states[QStringLiteral("ActionCreateFavorite")] = status;
    states[PopupMenuPropertyName] = r != nullptr;
    for (int i = 0; i < NumberedTabCount; ++i) {
        states[AddFavID + IndexSuffix(i)] = false;
        states[RemoveFavID + IndexSuffix(i)] = false;
    }
    if (!r)
        return;
    states[QStringLiteral("ActionDestroy")] = status && r->UserID == prefs.Username;
    for (int i = 0; i < NumberedTabCount; ++i) {
        const bool listed = ListContainsID(prefs.FavIDs[size_t(i)], r->UserID);
        states[AddFavID + IndexSuffix(i)] = !listed;
        states[RemoveFavID + IndexSuffix(i)] = listed;
    }
    states[QStringLiteral("ActionCopyUserID")] = true;
    states[QStringLiteral("ActionCopyUserStatus")] = true;
    states[QStringLiteral("ActionCopyStatusURL")] = true;
    states[QStringLiteral("ActionReplyHome")] = status && !r->ReplyUserID.isEmpty();
    states[QStringLiteral("ActionFindReplyID")] = !r->ReplyUserID.isEmpty();
    states[QStringLiteral("ActionFindUserID")] = !r->UserID.isEmpty();
    states[QStringLiteral("ActionFriendSite")] = !r->Link.isEmpty();
}

} // namespace

TCommandStates InitialCommandStates() {
    TCommandStates states;
    for (const TCommandInfo& command : CommandTable())
        states.insert(command.Name, true);
    for (const QString& name : {PopupMenuPropertyName, MenuSearchSelectionName,
                                PopupMenuSearchSelectionName, ButtonSearchName})
        states.insert(name, true);
    return states;
}

TCommandStates ComputeCommandStates(const TCommandContext& context, const TQuorbelPrefs& prefs,
                                    const TCommandStates& previous) {
    TCommandStates states = previous;
    for (const QString& name : ResetEntries)
        states[name] = false;

    const bool selected = context.Selected != nullptr;
    for (const char* name :
         {"ActionDirectMessage", "ActionReply", "ActionFriendHome", "ActionFriendFav"})
        states[QLatin1String(name)] = selected;
    states[QStringLiteral("ActionFind")] = context.RowCount > 0;
    states[ButtonSearchName] = !context.SearchText.isEmpty();
    states[QStringLiteral("ActionAddPeriod")] = context.StatusText.startsWith(u'@');

    switch (context.Focus) {
    case TCommandFocus::TextField:
        ApplyTextFieldFocus(context, states);
        break;
    case TCommandFocus::List:
        ApplyListFocus(context, prefs, states);
        break;
    case TCommandFocus::None:
        break;
    }
    return states;
}

QString ItemCountText(int rows) {
    return QString::number(rows) + QStringLiteral(" アイテム");
}
