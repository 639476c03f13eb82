#include "HelpCommands.h"

#include <functional>
#include <system_error>

#include <QAction>
#include <QUrl>

#include "CommandSet.h"
#include "FormAbout.h"
#include "ItemCommands.h"
#include "QuorbelPrefs.h"
#include "QuorbelVersion.h"
#include "RequestSettings.h"
#include "TwitterRateLimit.h"
#include "UrlOpener.h"
#include "VersionCheck.h"
#include "VersionNotice.h"
#include "WindowHooks.h"

namespace {

const QString CheckUpdateName = QStringLiteral("ActionHelpCheckUpdate");

// Starts the worker; false when no thread could be made for it (it is gone then).
template <class TWorkerClass>
bool StartWorker(TWorkerClass* worker, QObject* receiver,
                 std::function<void(const TWorkerClass&, int)> onResult) {
    worker->OnResult = std::move(onResult);
    worker->Receiver = receiver;
    try {
        worker->Start();
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

} // namespace

THelpCommands::THelpCommands(TWindowHooks& window, TWindowParts parts)
    : QObject(&window.Widget()), Window(window), Parts(std::move(parts)) {
    setObjectName(QStringLiteral("HelpCommands"));
    TCommandSet& commands = Window.Commands();
    connect(commands.Create(CheckUpdateName), &QAction::triggered, this,
            &THelpCommands::ActionHelpCheckUpdateExecute);
    connect(commands.Create(QStringLiteral("ActionRateLimit")), &QAction::triggered, this,
            &THelpCommands::GetRateLimit);
    connect(commands.Create(QStringLiteral("ActionHelpAbout")), &QAction::triggered, this,
            &THelpCommands::ActionHelpAboutExecute);
    connect(&Parts.Notice, &TVersionNotice::DownloadRequested, this,
            &THelpCommands::ButtonVersionUpClick);
}

void THelpCommands::ActionHelpCheckUpdateExecute() {
    // Its shortcut goes dead with it: one check per tick of TimerDM at most.
    Window.Commands().Action(CheckUpdateName)->setEnabled(false);
    CheckVersion();
}

void THelpCommands::CheckVersion() {
    Window.ShowStatus(QStringLiteral("バージョン確認中..."));
    auto* worker = new TQuorbelVersion(TRequestSettings::FromPrefs(Window.Prefs()));
    if (!StartWorker<TQuorbelVersion>(
            worker, this,
            [this](const TQuorbelVersion& done, int outcome) { CheckVersionDone(done, outcome); }))
        Window.ShowStatus(QStringLiteral("バージョン確認エラー"));
}

void THelpCommands::CheckVersionDone(const TQuorbelVersion& worker, int outcome) {
    if (outcome == OutcomeDone)
        Window.ShowStatus(QStringLiteral("バージョン確認終了"));
    else if (outcome == OutcomeError)
        Window.ShowStatus(QStringLiteral("バージョン確認エラー"));
    if (IsNewerVersion(worker.Version))
        Parts.Notice.Announce(worker.Version);
}

void THelpCommands::ButtonVersionUpClick() {
    Window.UrlOpener().Open(PageURL(TPageCommand::Download, Window.Prefs().Server, nullptr));
}

void THelpCommands::GetRateLimit() {
    const TQuorbelPrefs& prefs = Window.Prefs();
    if (prefs.Username.isEmpty() || prefs.Password.isEmpty())
        return;
    auto* worker = new TTwitterRateLimit(TRequestSettings::FromPrefs(prefs));
    worker->StartDelay = 0;
    // A query that cannot start shows nothing, as a failed one does.
    StartWorker<TTwitterRateLimit>(
        worker, this,
        [this](const TTwitterRateLimit& done, int outcome) { GetRateLimitDone(done, outcome); });
}

void THelpCommands::GetRateLimitDone(const TTwitterRateLimit& worker, int outcome) {
    if (outcome == OutcomeDone)
        Parts.ShowRateLimit(RateLimitText(worker.HourlyLimit));
}

void THelpCommands::ActionHelpAboutExecute() {
    TFormAbout about(PageURL(TPageCommand::Home, Window.Prefs().Server, nullptr), &Window.Widget());
    about.SetUrlOpener([this](const QUrl& url) { Window.UrlOpener().Open(url.toString()); });
    about.exec();
}
