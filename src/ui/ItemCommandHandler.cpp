#include "ItemCommandHandler.h"

#include <system_error>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "CommandSet.h"
#include "FormMain.h"
#include "MessageBoxes.h"
#include "QuorbelPrefs.h"
#include "RequestSettings.h"
#include "RequestTexts.h"
#include "SearchSheet.h"
#include "StatusListView.h"
#include "TextFields.h"
#include "TwitterDestroy.h"
#include "TwitterFavorite.h"

namespace {

struct TPageAction {
    const char* Name;
    TPageCommand Command;
};

const TPageAction PageActions[] = {
    {"ActionFriendHome", TPageCommand::FriendHome},
    {"ActionFriendFav", TPageCommand::FriendFav},
    {"ActionReplyHome", TPageCommand::ReplyHome},
    {"ActionTwitter", TPageCommand::Twitter},
    {"ActionMyFavorites", TPageCommand::MyFavorites},
    {"ActionStatusPage", TPageCommand::StatusPage},
    {"ActionFriendSite", TPageCommand::FriendSite},
    {"ActionSearchGoogle", TPageCommand::SearchGoogle},
    {"ActionSearchWikipedia", TPageCommand::SearchWikipedia},
    {"ActionSearchWassrSearch", TPageCommand::SearchWassrSearch},
    {"ActionHelp", TPageCommand::Help},
};

struct TCopyAction {
    const char* Name;
    TCopyCommand Command;
};

const TCopyAction CopyActions[] = {
    {"ActionCopyUserID", TCopyCommand::UserID},
    {"ActionCopyUserStatus", TCopyCommand::UserStatus},
    {"ActionCopyStatusURL", TCopyCommand::StatusURL},
};

// The searches put what was selected after the address; the others need none.
bool SearchesSelection(TPageCommand command) {
    return command == TPageCommand::SearchGoogle || command == TPageCommand::SearchWikipedia ||
           command == TPageCommand::SearchWassrSearch;
}

// Starts a request worker; false when no thread could be had for it (the
// worker is gone then).
template <typename TWorkerClass>
bool StartWorker(TWorkerClass* worker) {
    try {
        worker->Start();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

} // namespace

TItemCommandHandler::TItemCommandHandler(TFormMain& form, TWindowHooks hooks, TSearchSheet& search)
    : QObject(&form), Form(form), Hooks(std::move(hooks)), Search(search),
      Boxes(std::make_unique<TMessageBoxes>()) {
    TCommandSet& commands = Form.Commands();
    const auto on = [this, &commands](const char* name, auto handler) {
        connect(commands.Create(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("ActionCopy", [this] { CopySelection(FocusedTextField(Form)); });
    on("ActionSelectAll", [this] { SelectAllText(FocusedTextField(Form)); });
    for (const TPageAction& page : PageActions)
        on(page.Name, [this, command = page.Command] { OpenPage(command); });
    for (const TCopyAction& copy : CopyActions)
        on(copy.Name, [this, command = copy.Command] { Copy(command); });
    on("ActionSearchFindTab", [this] { Search.SearchFor(GetSelectedText()); });
    on("ActionCreateFavorite", [this] { ActionCreateFavoriteExecute(); });
    on("ActionDestroy", [this] { ActionDestroyExecute(); });
    on("ActionProperty", [this] { ActionPropertyExecute(); });
}

TItemCommandHandler::~TItemCommandHandler() = default;

void TItemCommandHandler::SetMessageBoxes(std::unique_ptr<TMessageBoxes> boxes) {
    Boxes = std::move(boxes);
}

QString TItemCommandHandler::GetSelectedText() const {
    return SelectedText(FocusedTextField(Form));
}

const TListRow* TItemCommandHandler::SelectedRow() const {
    const TStatusListView* list = Form.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    return row && row->Item ? row : nullptr;
}

bool TItemCommandHandler::HasAccount() const {
    return !Form.Prefs().Username.isEmpty() && !Form.Prefs().Password.isEmpty();
}

void TItemCommandHandler::OpenPage(TPageCommand command) {
    const TListRow* row = SelectedRow();
    const QString url = PageURL(command, Form.Prefs().Server, row ? row->Item : nullptr,
                                SearchesSelection(command) ? GetSelectedText() : QString());
    if (!url.isEmpty())
        Form.UrlOpener().Open(url);
}

void TItemCommandHandler::Copy(TCopyCommand command) {
    if (const TListRow* row = SelectedRow()) {
        if (const std::optional<QString> text = CopyText(command, *row))
            QGuiApplication::clipboard()->setText(*text);
    }
}

void TItemCommandHandler::ActionCreateFavoriteExecute() {
    if (Form.Prefs().AskAddFavorite &&
        !Boxes->Question(&Form, AddFavoriteQuestion.Caption, AddFavoriteQuestion.Text))
        return;
    CreateFavorite();
}

void TItemCommandHandler::CreateFavorite() {
    const TListRow* row = SelectedRow();
    if (!HasAccount() || !row || !CanCreateFavorite(row->Item))
        return;
    Hooks.ShowStatus(FavoriteRequestTexts.Start);
    auto* worker = new TTwitterFavorite(TRequestSettings::FromPrefs(Form.Prefs()));
    worker->StatusRid = row->Item->Rid;
    worker->OnResult = [this](const TTwitterFavorite&, int outcome) {
        if (const std::optional<QString> text = FavoriteRequestTexts.ForOutcome(outcome))
            Hooks.ShowStatus(*text);
    };
    worker->Receiver = this;
    if (!StartWorker(worker))
        Hooks.ShowStatus(FavoriteRequestTexts.Error);
}

void TItemCommandHandler::ActionDestroyExecute() {
    if (Boxes->Question(&Form, DestroyQuestion.Caption, DestroyQuestion.Text))
        DestroyStatus();
}

void TItemCommandHandler::DestroyStatus() {
    const TListRow* row = SelectedRow();
    if (!HasAccount() || !row || !CanDestroy(row->Item, Form.Prefs().Username))
        return;
    Hooks.ShowStatus(DestroyRequestTexts.Start);
    auto* worker = new TTwitterDestroy(TRequestSettings::FromPrefs(Form.Prefs()));
    worker->StatusID = row->Item->ID;
    worker->OnResult = [this](const TTwitterDestroy& done, int outcome) {
        DestroyStatusDone(done, outcome);
    };
    worker->Receiver = this;
    if (!StartWorker(worker))
        Hooks.ShowStatus(DestroyRequestTexts.Error);
}

void TItemCommandHandler::DestroyStatusDone(const TTwitterDestroy& worker, int outcome) {
    if (outcome == OutcomeDone)
        MarkDeleted(Form.Lists(), worker.StatusID);
    if (const std::optional<QString> text = DestroyRequestTexts.ForOutcome(outcome))
        Hooks.ShowStatus(*text);
}

void TItemCommandHandler::ActionPropertyExecute() {
    if (const TListRow* row = SelectedRow())
        Boxes->Message(&Form, Form.windowTitle(), PropertyText(*row->Item));
}
