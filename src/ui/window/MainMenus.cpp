#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "CommandSet.h"
#include "CommandStates.h"
#include "Names.h"

enum class TEntryKind {
    Command,
    Hidden,
    Separator,
    SearchSelection,
    AddFavIDs,
    RemoveFavIDs,
    Property
};

struct TMainMenus::TEntry {
    TEntryKind Kind = TEntryKind::Separator;
    QString Command{};
};

namespace {

using TEntry = TMainMenus::TEntry;

TEntry Shown(const char* command) {
    return {TEntryKind::Command, QString::fromLatin1(command)};
}
TEntry Hidden(const char* command) {
    return {TEntryKind::Hidden, QString::fromLatin1(command)};
}
const TEntry Separator{TEntryKind::Separator};
const TEntry SearchSelection{TEntryKind::SearchSelection};
const TEntry AddFavIDs{TEntryKind::AddFavIDs};
const TEntry RemoveFavIDs{TEntryKind::RemoveFavIDs};
const TEntry Property{TEntryKind::Property};

// The numbered family: base, base + "1" ... base + "4".
QStringList Family(const QString& base) {
    QStringList names;
    for (int i = 0; i < NumberedTabCount; ++i)
        names << base + IndexSuffix(i);
    return names;
}

QList<TEntry> FamilyEntries(const char* base) {
    QList<TEntry> entries;
    for (const QString& name : Family(QString::fromLatin1(base)))
        entries.append({TEntryKind::Command, name});
    return entries;
}

struct TMenuSpec {
    const char* Name;
    const char* Title;
    QList<TEntry> Entries;
};

QList<TMenuSpec> MenuBarSpecs() {
    return {
        {"MenuFile", "ファイル(&F)", {Shown("ActionExit")}},
        {"MenuEdit",
         "編集(&E)",
         {Shown("ActionCopy"), Shown("ActionSelectAll"), Shown("ActionAddPeriod"), SearchSelection,
          Separator, Shown("ActionCopyUserID"), Shown("ActionCopyUserStatus"),
          Shown("ActionCopyStatusURL"), Separator, Shown("ActionFind"), Shown("ActionFindUserID"),
          Shown("ActionFindReplyID"), Shown("ActionFindMyID")}},
        {"MenuExecute",
         "操作(&D)",
         {Shown("ActionReply"),
          Hidden("ActionDirectMessage"),
          Separator,
          Shown("ActionFriendHome"),
          Shown("ActionFriendFav"),
          Shown("ActionStatusPage"),
          Shown("ActionFriendSite"),
          Shown("ActionReplyHome"),
          Shown("ActionTwitter"),
          Shown("ActionMyFavorites"),
          Separator,
          Shown("ActionCreateFavorite"),
          Separator,
          Hidden("ActionDestroy"),
          Separator,
          AddFavIDs,
          RemoveFavIDs,
          Separator,
          Shown("ActionExecuteReload"),
          Hidden("ActionExecuteMessage"),
          Shown("ActionExecuteReloadReply"),
          Hidden("ActionRateLimit"),
          Separator,
          Shown("ActionExecuteSort"),
          Shown("ActionExecuteClearUnread"),
          Separator,
          Shown("ActionExecutePrefs")}},
        {"MenuMove", "移動(&M)",
         QList<TEntry>{Shown("ActionMoveTimeline"), Hidden("ActionMoveMessage"),
                       Shown("ActionMoveReply")} +
             FamilyEntries("ActionMovePickupWord") + FamilyEntries("ActionMoveFavID") +
             QList<TEntry>{Shown("ActionMoveSearch"), Shown("ActionMoveStatus")}},
        {"MenuHelp",
         "ヘルプ(&H)",
         {Hidden("ActionHelp"), Hidden("ActionHelpCheckUpdate"), Shown("ActionHelpAbout")}},
    };
}

const QList<TEntry> PopupEntries = {
    Shown("ActionCopy"),
    Shown("ActionSelectAll"),
    Shown("ActionAddPeriod"),
    SearchSelection,
    Separator,
    Shown("ActionCopyUserID"),
    Shown("ActionCopyUserStatus"),
    Shown("ActionCopyStatusURL"),
    Shown("ActionFindUserID"),
    Shown("ActionFindReplyID"),
    Shown("ActionFindMyID"),
    Separator,
    Shown("ActionReply"),
    Hidden("ActionDirectMessage"),
    Separator,
    Shown("ActionFriendHome"),
    Shown("ActionFriendFav"),
    Shown("ActionFriendSite"),
    Shown("ActionStatusPage"),
    Shown("ActionReplyHome"),
    Separator,
    Shown("ActionCreateFavorite"),
    Separator,
    Hidden("ActionDestroy"),
    Separator,
    AddFavIDs,
    RemoveFavIDs,
    Property,
};

const QString ActionPrefix = QStringLiteral("Action");

} // namespace

TMainMenus::TMainMenus(QMenuBar& bar, TCommandSet& commands, QWidget* window)
    : QObject(window), Commands(commands) {
    for (const TMenuSpec& spec : MenuBarSpecs()) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(spec.Title));
        menu->setObjectName(QString::fromLatin1(spec.Name));
        Fill(menu, QStringLiteral("Menu"), spec.Entries);
    }
    Popup = new QMenu(window);
    Popup->setObjectName(QStringLiteral("PopupMenuMain"));
    Fill(Popup, QStringLiteral("PopupMenu"), PopupEntries);
}

void TMainMenus::Fill(QMenu* menu, const QString& prefix, const QList<TEntry>& entries) {
    for (const TEntry& entry : entries) {
        switch (entry.Kind) {
        case TEntryKind::Command:
        case TEntryKind::Hidden: {
            menu->addAction(Commands.Action(entry.Command));
            TEntrySlot slot{menu, entry.Command, prefix + entry.Command.mid(ActionPrefix.size())};
            if (entry.Kind == TEntryKind::Hidden)
                Show(slot, false);
            Slots.append(slot);
            break;
        }
        case TEntryKind::Separator:
            menu->addSeparator();
            break;
        case TEntryKind::SearchSelection:
            Commands.AddStateTarget(prefix + QStringLiteral("SearchSelection"),
                                    AddSubMenu(menu, prefix + QStringLiteral("SearchSelection"),
                                               QStringLiteral("選択文字列を検索(&X)"),
                                               {QStringLiteral("ActionSearchGoogle"),
                                                QStringLiteral("ActionSearchWikipedia"),
                                                QStringLiteral("ActionSearchWassrSearch"),
                                                QStringLiteral("ActionSearchFindTab")})
                                        ->menuAction());
            break;
        case TEntryKind::AddFavIDs:
            AddSubMenu(menu, prefix + QStringLiteral("AddFavIDs"),
                       QStringLiteral("お気に入りIDに追加(&F)"),
                       Family(QStringLiteral("ActionAddFavID")));
            break;
        case TEntryKind::RemoveFavIDs:
            AddSubMenu(menu, prefix + QStringLiteral("RemoveFavIDs"),
                       QStringLiteral("お気に入りIDから削除(&E)"),
                       Family(QStringLiteral("ActionRemoveFavID")));
            break;
        case TEntryKind::Property: {
            // An entry of its own: the pass disables it without the command.
            QAction* command = Commands.Action(QStringLiteral("ActionProperty"));
            auto* property = new QAction(command->text(), menu);
            property->setObjectName(PopupMenuPropertyName);
            connect(property, &QAction::triggered, command, &QAction::trigger);
            menu->addAction(property);
            Commands.AddStateTarget(PopupMenuPropertyName, property);
            break;
        }
        }
    }
}

QMenu* TMainMenus::AddSubMenu(QMenu* menu, const QString& name, const QString& title,
                              const QStringList& commands) {
    QMenu* sub = menu->addMenu(title);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    for (const QString& command : commands)
        sub->addAction(Commands.Action(command));
    return sub;
}

void TMainMenus::SetCommandShown(const QString& name, bool shown) {
    for (TEntrySlot& slot : Slots) {
        if (slot.Command == name)
            Show(slot, shown);
    }
}

void TMainMenus::Show(TEntrySlot& slot, bool shown) {
    if (slot.Shown == shown)
        return;
    QAction* command = Commands.Action(slot.Command);
    if (!slot.StandIn) {
        slot.StandIn = new QAction(command->text(), slot.Menu);
        slot.StandIn->setObjectName(slot.StandInName);
        slot.StandIn->setData(slot.Command);
        slot.StandIn->setVisible(false);
    }
    QAction* from = shown ? slot.StandIn : command;
    QAction* to = shown ? command : slot.StandIn;
    slot.Menu->insertAction(from, to);
    slot.Menu->removeAction(from);
    slot.Shown = shown;
}
