#pragma once

#include <array>
#include <memory>

#include <QImage>
#include <QList>
#include <QMainWindow>

#include "ImageList.h"
#include "Names.h"
#include "ProgramFiles.h"
#include "UrlOpener.h"

class QSplitter;
class QTimer;
class TCommandSet;
class TComposer;
class TDetailPane;
class TFormQuorbelMain;
class TFriends;
class TIconList;
class TListNavigation;
class TMainMenus;
class TPageControlList;
class TPrefsCommand;
class TQuorbelPrefs;
class TSearchSheet;
class TSoundOutput;
class TStatusBarMain;
class TStatusListView;
class TStatusLists;
class TTwitterFetch;
class TVersionNotice;
struct TFormPlacement;
struct TMergeResult;
struct TWindowHooks;

// The main window: the fourteen status lists on their tabs, the detail pane,
// the status bar, the timers and the commands. Its creation is the start-up
// of the program: settings, shortcuts, the first fetches, the first paint.
// It owns and wires its parts; each part lives in its own file.
class TFormMain final : public QMainWindow {
    Q_OBJECT
public:
    // owner: the tray owner, which outlives the window. files: where the
    // settings, lists, shortcut file, blank page and sounds are.
    TFormMain(TFormQuorbelMain& owner, TProgramFiles files, std::unique_ptr<TSoundOutput> sound,
              QWidget* parent = nullptr);
    ~TFormMain() override;

    TQuorbelPrefs& Prefs() { return *FPrefs; }
    TStatusLists& Lists() { return *FLists; }
    TCommandSet& Commands() { return *FCommands; }
    // The list of tab j; those of the tabs not shown at start are made when
    // first asked for, and all of them after the first paint.
    TStatusListView* ListView(int j);
    // The list of the active tab; null when no tab is active.
    TStatusListView* ActiveListView();
    // "Quorbel Ver0.52", after the user name and " - " when ShowUsername is on.
    QString Caption() const;

    // Fetches (nothing happens while the account is incomplete).
    void StartFriendsFetch(int delay);
    void StartRepliesFetch(int delay);
    void FriendsFetchDone(const TTwitterFetch& worker, int outcome);
    void RepliesFetchDone(const TTwitterFetch& worker, int outcome);
    // Adds fetched statuses and shows what they bring; a failure shows the
    // kind's error text and keeps what was added.
    void MergeStatuses(const TFriends& friends, const QString& kind);

    void ApplyListFont();
    void ApplyPanelLayout();
    void ApplyIDColumnWidth();
    void ApplyTabSettings();

    // The idle pass: the item count and the command states.
    void RefreshCommandStates();
    // The tab change: shows the active list's selected row, after selecting
    // the newest row of a list without selection; an empty list blanks the pane.
    void PageControlListChange();
    // Hands web addresses to the browser; tests put a recording one in.
    TUrlOpener& UrlOpener() const { return *FUrlOpener; }
    void SetUrlOpener(std::unique_ptr<TUrlOpener> opener) { FUrlOpener = std::move(opener); }

    // A tray click or a second start: the window comes back to the front.
    void RestoreFromTray();
    // The program ends: remember the list font and pane height, then write
    // the settings, the placement and the shortcut file. A file that cannot
    // be written is named with the reason, and the user may try again.
    void SaveOnClose();
    bool IsClosing() const { return Closing; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void CreateCommands();
    TStatusListView* CreateListView(int j);
    void ApplyListFont(TStatusListView& view) const;
    // The first fetches, their timers and the tray icon: once, after the first paint.
    void StartAfterFirstPaint();
    // What the composer, the search tab and the command handlers run of the window.
    TWindowHooks Hooks();
    // Sizes and places the window; returns the stored window state.
    int LoadPlacement();
    void WriteBlankPage() const;
    // Writes the settings, the placement and the shortcut file; the messages
    // of the files that could not be written.
    QStringList SaveFiles(const TFormPlacement& placement);
    // False when no thread could be made for it.
    bool StartFetch(TTwitterFetch* worker, int delay, const QString& kind);
    void ShowMergeResult(const TMergeResult& result);
    void FetchDone(const TTwitterFetch& worker, int outcome, const QString& kind);
    void EnableTimerMain();
    void TimerMainTimer();
    void TimerDMTimer();
    void ListViewFriendsSelectItem(TStatusListView* list, int row, bool selected);
    void ApplicationDeactivated();
    void ActionExecuteSortExecute(bool checked);
    void ActionExecuteClearUnreadExecute();

    TFormQuorbelMain& Owner;
    const TProgramFiles Files;
    std::unique_ptr<TSoundOutput> SoundOutput;
    std::unique_ptr<TQuorbelPrefs> FPrefs;
    std::shared_ptr<TIconList> IconList;
    const QList<QImage> ImageListStatus;
    TImageList ImageListHit;
    std::unique_ptr<TStatusLists> FLists;
    TCommandSet* FCommands = nullptr;
    TMainMenus* Menus = nullptr;
    TListNavigation* Navigation = nullptr;
    std::unique_ptr<TUrlOpener> FUrlOpener = std::make_unique<TUrlOpener>();
    TPrefsCommand* FPrefsCommand = nullptr;

    TStatusBarMain* StatusBarMain = nullptr;
    QSplitter* SplitterMain = nullptr;
    TDetailPane* PanelDetail = nullptr;
    TPageControlList* PageControlList = nullptr;
    TVersionNotice* PanelVersionUp = nullptr;
    std::array<TStatusListView*, TabCount> ListViews{};
    TSearchSheet* SearchSheet = nullptr;
    TComposer* PanelBottom = nullptr;
    QTimer* TimerMain = nullptr;
    QTimer* TimerDM = nullptr;

    bool Closing = false;
    bool Painted = false;
    bool BackgroundStarted = false;
};
