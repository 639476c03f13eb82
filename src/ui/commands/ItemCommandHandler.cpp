#include "ItemCommandHandler.h"

#include <system_error>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "CommandSet.h"
#include "MessageBoxes.h"
#include "QuorbelPrefs.h"
#include "RequestSettings.h"
#include "RequestTexts.h"
#include "SearchSheet.h"
#include "StatusListView.h"
#include "TextFields.h"
#include "TwitterDestroy.h"
#include "TwitterFavorite.h"
#include "UrlOpener.h"
#include "WindowHooks.h"

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

TItemCommandHandler::TItemCommandHandler(TWindowHooks& window, TSearchSheet& search)
    : QObject(&window.Widget()), Window(window), Search(search),
      Boxes(std::make_unique<TMessageBoxes>()) {
    TCommandSet& commands = Window.Commands();
    const auto on = [this, &commands](const char* name, auto handler) {
        connect(commands.Create(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("ActionCopy", [this] { CopySelection(FocusedTextField(Window.Widget())); });
    on("ActionSelectAll", [this] { SelectAllText(FocusedTextField(Window.Widget())); });
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
    return SelectedText(FocusedTextField(Window.Widget()));
}

const TListRow* TItemCommandHandler::SelectedRow() const {
    const TStatusListView* list = Window.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    return row && row->Item ? row : nullptr;
}

bool TItemCommandHandler::HasAccount() const {
    return !Window.Prefs().Username.isEmpty() && !Window.Prefs().Password.isEmpty();
}

void TItemCommandHandler::OpenPage(TPageCommand command) {
    const TListRow* row = SelectedRow();
    const QString url = PageURL(command, Window.Prefs().Server, row ? row->Item : nullptr,
                                SearchesSelection(command) ? GetSelectedText() : QString());
    if (!url.isEmpty())
        Window.UrlOpener().Open(url);
}

void TItemCommandHandler::Copy(TCopyCommand command) {
    if (const TListRow* row = SelectedRow()) {
        if (const std::optional<QString> text = CopyText(command, *row))
            QGuiApplication::clipboard()->setText(*text);
    }
}

void TItemCommandHandler::ActionCreateFavoriteExecute() {
    if (Window.Prefs().AskAddFavorite &&
        !Boxes->Question(&Window.Widget(), AddFavoriteQuestion.Caption, AddFavoriteQuestion.Text))
        return;
    CreateFavorite();
}

void TItemCommandHandler::CreateFavorite() {
    const TListRow* row = SelectedRow();
    if (!HasAccount() || !row || !CanCreateFavorite(row->Item))
        return;
    Window.ShowStatus(FavoriteRequestTexts.Start);
    auto* worker = new TTwitterFavorite(TRequestSettings::FromPrefs(Window.Prefs()));
    worker->StatusRid = row->Item->Rid;
    worker->OnResult = [this](const TTwitterFavorite&, int outcome) {
        if (const std::optional<QString> text = FavoriteRequestTexts.ForOutcome(outcome))
            Window.ShowStatus(*text);
    };
    worker->Receiver = this;
    if (!StartWorker(worker))
        Window.ShowStatus(FavoriteRequestTexts.Error);
}

void TItemCommandHandler::ActionDestroyExecute() {
    if (Boxes->Question(&Window.Widget(), DestroyQuestion.Caption, DestroyQuestion.Text))
        DestroyStatus();
}

void TItemCommandHandler::DestroyStatus() {
    const TListRow* row = SelectedRow();
    if (!HasAccount() || !row || !CanDestroy(row->Item, Window.Prefs().Username))
        return;
    Window.ShowStatus(DestroyRequestTexts.Start);
    auto* worker = new TTwitterDestroy(TRequestSettings::FromPrefs(Window.Prefs()));
    worker->StatusID = row->Item->ID;
    worker->OnResult = [this](const TTwitterDestroy& done, int outcome) {
        DestroyStatusDone(done, outcome);
    };
    worker->Receiver = this;
    if (!StartWorker(worker))
        Window.ShowStatus(DestroyRequestTexts.Error);
}

void TItemCommandHandler::DestroyStatusDone(const TTwitterDestroy& worker, int outcome) {
    if (outcome == OutcomeDone)
        MarkDeleted(Window.Lists(), worker.StatusID);
    if (const std::optional<QString> text = DestroyRequestTexts.ForOutcome(outcome))
        Window.ShowStatus(*text);
}

void TItemCommandHandler::ActionPropertyExecute() {
    if (const TListRow* row = SelectedRow())
        Boxes->Message(&Window.Widget(), Window.Widget().windowTitle(), PropertyText(*row->Item));
}
