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
#include "WindowHooks.h"

class QSplitter;
class TCommandSet;
class TComposer;
class TDetailPane;
class TFetchCycle;
class TFormQuorbelMain;
class TFriends;
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
class TVersionNotice;
struct TFormPlacement;
struct TMergeResult;

// The main window: the fourteen status lists on their tabs, the detail pane,
// the status bar, the timers and the commands. Its creation is the start-up
// of the program: settings, shortcuts, the first fetches, the first paint.
// It owns and wires its parts; each part lives in its own file and reaches
// the window through TWindowHooks.
class TFormMain final : public QMainWindow, public TWindowHooks {
    Q_OBJECT
public:
    // owner: the tray owner, which outlives the window. files: where the
    // settings, lists, shortcut file, blank page and sounds are.
    TFormMain(TFormQuorbelMain& owner, TProgramFiles files, std::unique_ptr<TSoundOutput> sound,
              QWidget* parent = nullptr);
    ~TFormMain() override;

    QWidget& Widget() override { return *this; }
    TQuorbelPrefs& Prefs() override { return *FPrefs; }
    TStatusLists& Lists() override { return *FLists; }
    TCommandSet& Commands() override { return *FCommands; }
    // Those of the tabs not shown at start are made when first asked for,
    // and all of them after the first paint.
    TStatusListView* ListView(int j) override;
    TStatusListView* ActiveListView() override;
    TUrlOpener& UrlOpener() const override { return *FUrlOpener; }
    // Tests put a recording opener in.
    void SetUrlOpener(std::unique_ptr<TUrlOpener> opener) { FUrlOpener = std::move(opener); }
    QString Caption() const override;

    void ShowStatus(const QString& text) override;
    void ShowSheet(int j) override;
    void PageControlListChange() override;
    void StartFriendsFetch(int delay) override;
    void StartRepliesFetch(int delay);
    // Adds fetched statuses and shows what they bring; a failure shows the
    // kind's error text and keeps what was added.
    void MergeStatuses(const TFriends& friends, const QString& kind);

    void ApplyListFont() override;
    void ApplyPanelLayout() override;
    void ApplyIDColumnWidth() override;
    void ApplyTabSettings() override;

    // The idle pass: the item count and the command states.
    void RefreshCommandStates();

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
    void WriteBlankPage() const;
    // Writes the settings, the placement and the shortcut file; the messages
    // of the files that could not be written.
    QStringList SaveFiles(const TFormPlacement& placement);
    void ShowMergeResult(const TMergeResult& result);
    void TimerDMTimer();
    void ListViewFriendsSelectItem(TStatusListView* list, int row, bool selected);
    void ApplicationDeactivated();
    void ActionExecuteSortExecute(bool checked);
    void ActionExecuteClearUnreadExecute();

    TFormQuorbelMain& Owner;
    const TProgramFiles Files;
    std::unique_ptr<TSoundOutput> SoundOutput;
    std::unique_ptr<TQuorbelPrefs> FPrefs;
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
    TFetchCycle* Fetches = nullptr;

    bool Closing = false;
    bool Painted = false;
    bool BackgroundStarted = false;
};
