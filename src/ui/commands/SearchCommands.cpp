#include "SearchCommands.h"

#include <QAction>

#include "CommandSet.h"
#include "FindDialog.h"
#include "QuorbelPrefs.h"
#include "SearchSheet.h"
#include "StatusListView.h"
#include "WindowHooks.h"

TSearchCommands::TSearchCommands(TWindowHooks& window, TSearchSheet& search)
    : QObject(&window.Widget()), Window(window), Search(search) {
    TCommandSet& commands = Window.Commands();
    const std::pair<const char*, TSearchCommand> searches[] = {
        {"ActionFindMyID", TSearchCommand::MyID},
        {"ActionFindUserID", TSearchCommand::UserID},
        {"ActionFindReplyID", TSearchCommand::ReplyID},
    };
    for (const auto& [name, command] : searches) {
        connect(commands.Create(QLatin1String(name)), &QAction::triggered, this,
                [this, command = command] { SearchSelected(command); });
    }
    connect(commands.Create(QStringLiteral("ActionFind")), &QAction::triggered, this,
            &TSearchCommands::ActionFindExecute);
}

void TSearchCommands::SearchSelected(TSearchCommand command) {
    const TStatusListView* list = Window.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    if (const std::optional<QString> query =
            SearchCommandQuery(command, Window.Prefs().Username, row ? row->Item : nullptr, {}))
        Search.SearchFor(*query);
}

void TSearchCommands::ActionFindExecute() {
    TStatusListView* list = Window.ActiveListView();
    if (!list || list->RowCount() == 0)
        return;
    if (list->SelectedIndex() < 0) {
        const int top = list->indexAt(QPoint(0, 0)).row();
        list->SelectRow(top >= 0 ? top : 0);
    }
    if (!FindDialog) {
        FindDialog = new TFindDialog(&Window.Widget());
        connect(FindDialog, &TFindDialog::FindNext, this, &TSearchCommands::FindDialogMainFind);
    }
    FindDialog->show();
    FindDialog->raise();
    FindDialog->activateWindow();
}

void TSearchCommands::FindDialogMainFind(const TFindOptions& options) {
    TStatusListView* list = Window.ActiveListView();
    if (!list)
        return;
    const int found = FindNext(*list->Model(), list->SelectedIndex(), options);
    if (found >= 0)
        list->SelectRow(found);
}
