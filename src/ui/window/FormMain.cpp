#include "FormMain.h"

#include <chrono>
#include <functional>

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "CommandSet.h"
#include "CommandStates.h"
#include "Composer.h"
#include "DetailPane.h"
#include "FavIDCommands.h"
#include "FetchCycle.h"
#include "FormQuorbelMain.h"
#include "HelpCommands.h"
#include "ItemCommandHandler.h"
#include "ListNavigation.h"
#include "MainMenus.h"
#include "MessageBoxes.h"
#include "NotifySound.h"
#include "PageControlList.h"
#include "Pictures.h"
#include "PrefsCommand.h"
#include "QtConvert.h"
#include "QuorbelPrefs.h"
#include "SearchCommands.h"
#include "SearchSheet.h"
#include "StatusBarMain.h"
#include "StatusLists.h"
#include "StatusListView.h"
#include "StatusRowDelegate.h"
#include "TabRebuild.h"
#include "TrayIcon.h"
#include "VersionNotice.h"
#include "WindowPlacement.h"
#include "Worker.h"
#include "WriteError.h"

namespace {
Q_LOGGING_CATEGORY(lcStartup, "quorbel.startup", QtWarningMsg)

constexpr int BalloonMsecs = 10000;
constexpr int UnpaintedStartMsecs = 500;
const QString PlacementSection = QStringLiteral("FormMain");
const QString SaveRetryQuestion =
    QStringLiteral("\n\nこのままでは今回の設定の変更が失われます。もう一度書き込みますか？");
const QByteArray BlankPage = "<html><body style=\"margin:0px;padding:0px;\" scroll=\"no\" "
                             "oncontextmenu=\"return false\"></body></html>\r\n";

bool IsNewsSheet(int j) {
    return j != TabMessage && j != TabSearch;
}

} // namespace

TFormMain::TFormMain(TFormQuorbelMain& owner, TProgramFiles files,
                     std::unique_ptr<TSoundOutput> sound, QWidget* parent)
    : QMainWindow(parent), Owner(owner), Files(std::move(files)), SoundOutput(std::move(sound)),
      FPrefs(std::make_unique<TQuorbelPrefs>(Files.IniFileName(), Files.BasePath)),
      ImageListStatus(StatusPictures(qApp->devicePixelRatio())),
      ImageListHit(HitMarkPicture(qApp->devicePixelRatio())),
      FLists(std::make_unique<TStatusLists>()) {
    setObjectName(QStringLiteral("FormMain"));
    Owner.SetMainForm(this);
    CreateControls();
    CreateCommands();
    // The first paint shows the timeline, and the search commands are wired to
    // the search tab's parts; the other lists are made after the first paint.
    ListView(TabTimeline);
    ListView(TabSearch);
    FPrefsCommand =
        new TPrefsCommand(*this, {*PageControlList, *PanelDetail, Fetches->TimerMain(),
                                  Fetches->TimerDM(), Owner.TrayIconMain(), Files.SoundFolders});
    connect(FCommands->Create(QStringLiteral("ActionExecutePrefs")), &QAction::triggered,
            FPrefsCommand, [this] { FPrefsCommand->Execute(); });
    new THelpCommands(*this, {*PanelVersionUp, [this](const QString& text) {
                                  StatusBarMain->SetPanelText(2, text);
                              }});
    PanelBottom->ConnectCommands(*FCommands);
    new TItemCommandHandler(*this, *SearchSheet);
    new TSearchCommands(*this, *SearchSheet);
    new TFavIDCommands(*this);

    WriteBlankPage();
    FPrefs->LoadFromIni();
    TFormPlacement placement;
    FPrefs->LoadFormPlacement(placement, PlacementSection);
    ApplyPlacement(*this, placement);
    const int winState = placement.WinState;
    FCommands->ApplyShortcutFile(Files.ShortcutFileName());
    SplitterMain->setSizes({FPrefs->StatusDiaplayHeight, height()});
    ApplyListFont();
    if (FPrefs->Username.isEmpty() || FPrefs->Password.isEmpty())
        FPrefsCommand->Execute(true); // a first start: the account before anything goes out

    setWindowTitle(Caption());
    PageControlList->ActivateSheet(TabTimeline);
    FCommands->Action(QStringLiteral("ActionExecuteSort"))->setChecked(FPrefs->EnableSort);
    ApplyTabSettings();
    if (FPrefs->TabMultiLine)
        PageControlList->SetMultiLine();
    if (FPrefs->VisibleTabIcon)
        PageControlList->SetPictures(TabPictures());
    PanelDetail->SetIconVisible(FPrefs->VisibleIcon);
    ApplyPanelLayout();
    ApplyIDColumnWidth();

    connect(PageControlList, &TPageControlList::SheetChanged, this,
            &TFormMain::PageControlListChange);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TFormMain::RefreshCommandStates);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive)
                    ApplicationDeactivated();
            });

    if (winState == TFormPlacement::Maximized)
        showMaximized();
    else
        show();
    if (winState == TFormPlacement::Minimized || FPrefs->MinimizeOnCreate)
        showMinimized();
    // A window that never paints (started minimised or hidden) still starts them.
    QTimer::singleShot(UnpaintedStartMsecs, this, &TFormMain::StartAfterFirstPaint);
}

void TFormMain::StartAfterFirstPaint() {
    if (BackgroundStarted || Closing)
        return;
    BackgroundStarted = true;
    for (int j = 0; j < TabCount; ++j)
        ListView(j);
    Fetches->Start();

    TTrayIcon& tray = Owner.TrayIconMain();
    tray.SetImage(0);
    tray.SetVisible(true);
    tray.SetToolTip(Caption());
}

TFormMain::~TFormMain() {
    Closing = true;
    // The lists go before their models and the pictures their delegates draw.
    delete takeCentralWidget();
}

void TFormMain::CreateControls() {
    auto* panelTop = new QWidget(this);
    panelTop->setObjectName(QStringLiteral("PanelTop"));
    auto* layout = new QVBoxLayout(panelTop);
    layout->setContentsMargins(8, 8, 8, 0);

    SplitterMain = new QSplitter(Qt::Vertical, panelTop);
    SplitterMain->setObjectName(QStringLiteral("SplitterMain"));
    SplitterMain->setChildrenCollapsible(false);
    SplitterMain->setHandleWidth(3);
    PanelDetail = new TDetailPane(*FPrefs, SplitterMain);
    connect(PanelDetail, &TDetailPane::OpenUrl, this,
            [this](const QString& url) { FUrlOpener->Open(url); });
    // The tab area: the tabs, and below them the notice of a newer version.
    auto* panelList = new QWidget(SplitterMain);
    panelList->setObjectName(QStringLiteral("PanelList"));
    PageControlList = new TPageControlList(panelList);
    PanelVersionUp = new TVersionNotice(panelList);
    auto* listLayout = new QVBoxLayout(panelList);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(PageControlList);
    listLayout->addWidget(PanelVersionUp);
    for (int j = 0; j < TabCount; ++j)
        PageControlList->SetCaption(j, TabCaption(j, *FPrefs)); // the settings are not read yet
    PageControlList->SetSheetVisible(TabMessage, false);
    layout->addWidget(SplitterMain);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panelTop);
    PanelBottom = new TComposer(*this, central);
    column->addWidget(PanelBottom);
    setCentralWidget(central);

    StatusBarMain = new TStatusBarMain(this);
    setStatusBar(StatusBarMain);

    Fetches = new TFetchCycle(
        this,
        {*FPrefs, ImageListHit, [this](const QString& text) { ShowStatus(text); },
         [this](const TFriends& friends, const QString& kind) { MergeStatuses(friends, kind); }});
    connect(&Fetches->TimerDM(), &QTimer::timeout, this, &TFormMain::TimerDMTimer);
}

void TFormMain::CreateCommands() {
    FCommands = new TCommandSet(this);
    TCommandSet& commands = *FCommands;
    commands.CreateAll();
    connect(commands.Create(QStringLiteral("ActionExit")), &QAction::triggered, &Owner,
            &TFormQuorbelMain::Close);
    connect(commands.Create(QStringLiteral("ActionExecuteReload")), &QAction::triggered, this,
            [this] { StartFriendsFetch(0); });
    connect(commands.Create(QStringLiteral("ActionExecuteReloadReply")), &QAction::triggered, this,
            [this] { StartRepliesFetch(0); });
    QAction* sort = commands.Create(QStringLiteral("ActionExecuteSort"));
    sort->setCheckable(true);
    connect(sort, &QAction::triggered, this, &TFormMain::ActionExecuteSortExecute);
    connect(commands.Create(QStringLiteral("ActionExecuteClearUnread")), &QAction::triggered, this,
            &TFormMain::ActionExecuteClearUnreadExecute);
    Menus = new TMainMenus(*menuBar(), commands, this);
    Navigation = new TListNavigation(*this, *PageControlList, *PanelDetail, *Menus);
}

TStatusListView* TFormMain::ListView(int j) {
    TStatusListView*& view = ListViews.at(size_t(j));
    if (!view)
        view = CreateListView(j);
    return view;
}

TStatusListView* TFormMain::CreateListView(int j) {
    auto* view = new TStatusListView(ListViewNames[size_t(j)], &FLists->List(j));
    view->setItemDelegate(new TStatusRowDelegate(view, *FPrefs, ImageListStatus, ImageListHit));
    connect(view, &TStatusListView::SelectItem, this, [this, view](int row, bool selected) {
        ListViewFriendsSelectItem(view, row, selected);
    });
    ApplyListFont(*view);
    view->setColumnWidth(0, FPrefs->IDWidth);
    Navigation->AttachList(view);
    QWidget* content = view;
    if (j == TabSearch)
        content = SearchSheet = new TSearchSheet(*this, view);
    PageControlList->FillSheet(j, content);
    return view;
}

void TFormMain::WriteBlankPage() const {
    // The icon view's empty page; a folder that cannot be written only costs the page.
    QFile page(Files.BlankPageFileName());
    if (page.open(QIODevice::WriteOnly | QIODevice::Truncate))
        page.write(BlankPage);
}

void TFormMain::ShowStatus(const QString& text) {
    StatusBarMain->SetPanelText(0, text);
}

void TFormMain::ShowSheet(int j) {
    PageControlList->ActivateSheet(j);
    // Also when the sheet was active already: its list may have been refilled.
    PageControlListChange();
}

TStatusListView* TFormMain::ActiveListView() {
    const int j = PageControlList->ActiveSheet();
    return j >= 0 ? ListView(j) : nullptr;
}

QString TFormMain::Caption() const {
    return FPrefs->ShowUsername ? FPrefs->Username + QStringLiteral(" - ") + ProgramCaption
                                : ProgramCaption;
}

void TFormMain::StartFriendsFetch(int delay) {
    Fetches->StartFriendsFetch(delay);
}

void TFormMain::StartRepliesFetch(int delay) {
    Fetches->StartRepliesFetch(delay);
}

void TFormMain::MergeStatuses(const TFriends& friends, const QString& kind) {
    try {
        // Rows arriving must not slide the rows the user is looking at.
        std::array<TScrollHold, TabCount> held;
        for (size_t j = 0; j < ListViews.size(); ++j) {
            if (ListViews[j])
                held[j] = ListViews[j]->HoldPosition(FPrefs->ReverseSort);
        }
        const TMergeResult result = FLists->MergeStatuses(friends, kind, *FPrefs);
        for (size_t j = 0; j < ListViews.size(); ++j) {
            if (ListViews[j])
                ListViews[j]->RestorePosition(held[j]);
        }
        ShowMergeResult(result);
        TStatusListView* active = ActiveListView();
        if (active && active != ListView(TabMessage) && active->RowCount() > 0 &&
            active->SelectedIndex() < 0)
            active->SelectRow(FPrefs->ReverseSort ? active->RowCount() - 1 : 0);
    } catch (...) {
        ShowStatus(kind + QStringLiteral("取得エラー"));
    }
}

void TFormMain::ShowMergeResult(const TMergeResult& result) {
    ShowStatus(result.StatusText);
    TTrayIcon& tray = Owner.TrayIconMain();
    if (result.ShowBalloon)
        tray.ShowBalloon(result.BalloonTitle, result.BalloonText, BalloonMsecs);
    if (result.TrayImage)
        tray.SetImage(*result.TrayImage);
    for (int j = 0; j < TabCount; ++j) {
        if (IsNewsSheet(j))
            PageControlList->SetNews(j, result.TabNews[size_t(j)], FPrefs->VisibleTabSign);
    }
    if (result.Sound)
        PlayNotifySound(*SoundOutput, Files.SoundFolders, *result.Sound, FPrefs->SoundSet);
}

void TFormMain::TimerDMTimer() {
    // The update check may run again; its command arrives with the help menu.
    if (!FPrefs->EnableAutoUpdate)
        return;
    if (QAction* check = FCommands->Action(QStringLiteral("ActionHelpCheckUpdate")))
        check->setEnabled(true);
}

void TFormMain::ApplyListFont() {
    const TFontDesc& listFont = FPrefs->ListFont;
    for (TStatusListView* view : ListViews) {
        if (view)
            ApplyListFont(*view);
    }
    // The detail pane and the input line take the face alone: their sizes stay.
    PanelDetail->SetFontFace(listFont.Name);
    for (const char* name : {"EditStatus", "LabelStatusLength"}) {
        if (auto* control = findChild<QWidget*>(QLatin1String(name))) {
            QFont face = control->font();
            face.setFamily(listFont.Name);
            control->setFont(face);
        }
    }
}

void TFormMain::ApplyListFont(TStatusListView& view) const {
    const TFontDesc& listFont = FPrefs->ListFont;
    view.setFont(ToQFont(listFont));
    QPalette palette = view.palette();
    if (const QColor color = ToQColor(listFont.Color, palette); color.isValid()) {
        palette.setColor(QPalette::Text, color);
        view.setPalette(palette);
    }
}

void TFormMain::ApplyPanelLayout() {
    // Top to bottom: 0 detail, tabs, input; 1 tabs, detail, input; 2 input,
    // tabs, detail. Any other value arranges as 0.
    const int arrangement = FPrefs->PanelLayout;
    const bool detailBelow = arrangement == 1 || arrangement == 2;
    SplitterMain->insertWidget(detailBelow ? 1 : 0, PanelDetail);
    SplitterMain->setStretchFactor(detailBelow ? 1 : 0, 0);
    SplitterMain->setStretchFactor(detailBelow ? 0 : 1, 1);
    if (auto* column = qobject_cast<QBoxLayout*>(PanelBottom->parentWidget()->layout())) {
        column->removeWidget(PanelBottom);
        column->insertWidget(arrangement == 2 ? 0 : -1, PanelBottom);
    }
}

void TFormMain::ApplyIDColumnWidth() {
    for (TStatusListView* view : ListViews) {
        if (view)
            view->setColumnWidth(0, FPrefs->IDWidth);
    }
}

void TFormMain::ApplyTabSettings() {
    for (const TNamedCaption& caption : LabelCaptions(*FPrefs)) {
        if (caption.Name.startsWith(QLatin1String("TabSheet")))
            PageControlList->SetCaption(TabSheetIndex(caption.Name), caption.Caption);
        else
            FCommands->SetCaption(caption.Name, caption.Caption);
    }
    // The move command of a hidden tab leaves the menus only: it keeps its shortcut.
    for (int i = 0; i < NumberedTabCount; ++i) {
        Menus->SetCommandShown(QStringLiteral("ActionMovePickupWord") + IndexSuffix(i),
                               FPrefs->TabDisp[size_t(TabPickupWord + i)]);
        Menus->SetCommandShown(QStringLiteral("ActionMoveFavID") + IndexSuffix(i),
                               FPrefs->TabDisp[size_t(TabFavID + i)]);
    }
    for (int j = 0; j < TabCount; ++j)
        PageControlList->SetSheetVisible(j, j != TabMessage && FPrefs->TabDisp[size_t(j)]);
    PageControlList->ArrangeSheets(FPrefs->TabIndex);
}

void TFormMain::RefreshCommandStates() {
    const TStatusListView* list = ActiveListView();
    StatusBarMain->SetPanelText(1, ItemCountText(list ? list->RowCount() : 0));
    Navigation->RefreshCommandStates();
}

void TFormMain::PageControlListChange() {
    TStatusListView* list = ActiveListView();
    if (!list || list->RowCount() == 0) {
        PanelDetail->Clear();
        return;
    }
    if (list->SelectedIndex() < 0)
        list->SelectRow(FPrefs->ReverseSort ? list->RowCount() - 1 : 0); // runs the hook
    else
        ListViewFriendsSelectItem(list, list->SelectedIndex(), true);
}

void TFormMain::ListViewFriendsSelectItem(TStatusListView* list, int row, bool) {
    TStatusListModel* model = list->Model();
    if (Closing || row < 0 || row >= model->Count())
        return;
    PanelDetail->ShowRow(model->Row(row));
    if (FPrefs->EnableUnreadManager && model->Row(row).StateIndex == StateNew)
        model->SetStateIndex(row, StateNone);
}

void TFormMain::ActionExecuteSortExecute(bool checked) {
    FPrefs->EnableSort = checked;
}

void TFormMain::ActionExecuteClearUnreadExecute() {
    if (TStatusListView* list = ActiveListView())
        list->Model()->ClearNewMarks(false);
}

void TFormMain::RestoreFromTray() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFormMain::SaveOnClose() {
    // No result may reach the window once the settings are being written: a
    // merge or a sound after them would be lost, or heard after the end.
    RequestWorkersStop();
    Closing = true;
    FPrefs->ListFont = ToFontDesc(ListView(TabTimeline)->font(), FPrefs->ListFont);
    if (Painted) // the pane has its real height only once the window was laid out
        FPrefs->StatusDiaplayHeight = PanelDetail->height();
    const TFormPlacement placement = CurrentPlacement(*this);
    // The user may free the disk or the folder and try again; otherwise the
    // program ends, but not without saying what is lost.
    QStringList failures = SaveFiles(placement);
    while (!failures.isEmpty() &&
           TMessageBoxes().Question(isVisible() ? this : nullptr, QStringLiteral("書き込みエラー"),
                                    failures.join(QLatin1Char('\n')) + SaveRetryQuestion))
        failures = SaveFiles(placement);
}

QStringList TFormMain::SaveFiles(const TFormPlacement& placement) {
    // Every file is tried: one that cannot be written must not cost the others.
    QStringList failures;
    const std::array<std::function<void()>, 3> writes = {
        [this] { FPrefs->SaveToIni(); },
        [&] { FPrefs->SaveFormPlacement(placement, PlacementSection); },
        [this] { FCommands->WriteShortcutFile(Files.ShortcutFileName()); }};
    for (const auto& write : writes) {
        try {
            write();
        } catch (const TWriteError& error) {
            if (!failures.contains(error.Message()))
                failures.append(error.Message());
        }
    }
    return failures;
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (Closing || !FPrefs->MinimizeOnClose) {
        event->accept();
        Owner.Close();
        return;
    }
    if (Owner.TrayIconMain().IsAvailable()) {
        event->accept(); // hidden; the tray icon brings it back
        return;
    }
    // Without a tray a hidden window could not be found again: it stays on the taskbar.
    event->ignore();
    showMinimized();
}

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || Closing)
        return;
    // Minimised into the tray: only the tray icon remains, if there is one.
    if (FPrefs->MinimizeInTaskTray && Owner.TrayIconMain().IsAvailable())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}

void TFormMain::ApplicationDeactivated() {
    if (!FPrefs->TopMost || windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    // Into the topmost band without re-creating (and so hiding) the window.
    overrideWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    if (QWindow* window = windowHandle())
        window->setFlags(windowFlags());
}

void TFormMain::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (Painted)
        return;
    Painted = true;
    qCDebug(lcStartup).nospace() << "first paint at "
                                 << std::chrono::steady_clock::now().time_since_epoch().count()
                                 << " ns";
    // The fetches and the tray icon cost the first paint nothing when they follow it.
    QTimer::singleShot(0, this, &TFormMain::StartAfterFirstPaint);
}
