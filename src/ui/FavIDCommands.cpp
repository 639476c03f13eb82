#include "FavIDCommands.h"

#include <QAction>

#include "CommandSet.h"
#include "FormMain.h"
#include "Names.h"
#include "StatusListView.h"
#include "TabRebuild.h"

TFavIDCommands::TFavIDCommands(TFormMain& form, TWindowHooks hooks)
    : QObject(&form), Form(form), Hooks(std::move(hooks)) {
    TCommandSet& commands = Form.Commands();
    for (int i = 0; i < NumberedTabCount; ++i) {
        const QString suffix = IndexSuffix(i);
        connect(commands.Create(QStringLiteral("ActionAddFavID") + suffix), &QAction::triggered,
                this, [this, i] { ActionAddFavIDExecute(i); });
        connect(commands.Create(QStringLiteral("ActionRemoveFavID") + suffix), &QAction::triggered,
                this, [this, i] { ActionRemoveFavIDExecute(i); });
    }
}

QString TFavIDCommands::SelectedUserID() const {
    const TStatusListView* list = Form.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    return row && row->Item ? row->Item->UserID : QString();
}

void TFavIDCommands::ActionAddFavIDExecute(int i) {
    const QString userID = SelectedUserID();
    if (userID.isEmpty() || !AddFavID(Form.Lists(), Form.Prefs(), i, userID))
        return;
    Hooks.ShowSheet(TabFavID + i);
    Form.ListView(TabFavID + i)->setFocus();
}

void TFavIDCommands::ActionRemoveFavIDExecute(int i) {
    const QString userID = SelectedUserID();
    if (userID.isEmpty() || !RemoveFavID(Form.Lists(), Form.Prefs(), i, userID))
        return;
    Hooks.ShowSheet(TabFavID + i);
}
