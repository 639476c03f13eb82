#include "FavIDCommands.h"

#include <QAction>

#include "CommandSet.h"
#include "Names.h"
#include "StatusListView.h"
#include "TabRebuild.h"
#include "WindowHooks.h"

TFavIDCommands::TFavIDCommands(TWindowHooks& window) : QObject(&window.Widget()), Window(window) {
    TCommandSet& commands = Window.Commands();
    for (int i = 0; i < NumberedTabCount; ++i) {
        const QString suffix = IndexSuffix(i);
        connect(commands.Create(QStringLiteral("ActionAddFavID") + suffix), &QAction::triggered,
                this, [this, i] { ActionAddFavIDExecute(i); });
        connect(commands.Create(QStringLiteral("ActionRemoveFavID") + suffix), &QAction::triggered,
                this, [this, i] { ActionRemoveFavIDExecute(i); });
    }
}

QString TFavIDCommands::SelectedUserID() const {
    const TStatusListView* list = Window.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    return row && row->Item ? row->Item->UserID : QString();
}

void TFavIDCommands::ActionAddFavIDExecute(int i) {
    const QString userID = SelectedUserID();
    if (userID.isEmpty() || !AddFavID(Window.Lists(), Window.Prefs(), i, userID))
        return;
    Window.ShowSheet(TabFavID + i);
    Window.ListView(TabFavID + i)->setFocus();
}

void TFavIDCommands::ActionRemoveFavIDExecute(int i) {
    const QString userID = SelectedUserID();
    if (userID.isEmpty() || !RemoveFavID(Window.Lists(), Window.Prefs(), i, userID))
        return;
    Window.ShowSheet(TabFavID + i);
}
