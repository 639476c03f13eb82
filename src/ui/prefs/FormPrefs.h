#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QDialog>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QUrl>

#include "FontDesc.h"
#include "Names.h"
#include "PrefsControls.h"
#include "TabOrderList.h"

class QLineEdit;
class QTabWidget;
class TAccountPage;
class TBehaviourPage;
class TDisplayPage;
class TListEditor;
class TMessageBoxes;
class TNetworkPage;
class TNotifyPage;
class TQuorbelPrefs;
class TTabsPage;
class TUpdatePage;
struct TListEditorNames;

// The preferences dialog "設定". It keeps no settings of its own: Fill copies
// the settings into the controls, the user edits them (word and ID lists
// included, all in the dialog only), OK checks the account and proxy entries,
// and ReadBack copies the controls into the settings. Cancel discards
// everything. Each page builds its own controls; the dialog holds the pages,
// fills them and reads them back.
class TFormPrefs final : public QDialog {
    Q_OBJECT
public:
    using TUrlOpener = std::function<void(const QUrl&)>;

    // soundFolders: the folders whose sub-folders are the sound sets offered.
    explicit TFormPrefs(const QStringList& soundFolders, QWidget* parent = nullptr);
    ~TFormPrefs() override;

    // Where the error boxes of OK go; real message boxes unless replaced.
    void SetMessageBoxes(std::unique_ptr<TMessageBoxes> boxes);
    // Opens a web address (the service's site link); the desktop's browser
    // unless replaced. Only http and https addresses are passed on.
    void SetUrlOpener(TUrlOpener open);

    // listFont: the font the lists show now, previewed instead of the stored
    // one. tabs: the main window's tabs in their display order, hidden ones
    // included. In first-run mode only the account page can be reached and
    // ReadBack takes only the account.
    void Fill(const TQuorbelPrefs& prefs, const QFont& listFont, const QList<TTabRow>& tabs,
              bool firstRunMode);
    // Copies the controls into the settings; call it after the dialog was
    // accepted. Writes no file.
    void ReadBack(TQuorbelPrefs& prefs) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildNGWordPage();
    // The tabs of list editors i = 0..4, in a page of its own.
    QWidget* BuildNumberedPages(const TListEditorNames& names,
                                std::array<TListEditor*, NumberedTabCount>& editors);

    void ButtonOKClick();
    void ButtonFontClick();
    void ButtonDefaultClick();
    void UpdateProxyControls();
    void UpdateBalloonControls();
    void UpdateListButtons();
    void SetPreviewFont(const TFontDesc& font);
    void LabelTwitterURLDblClick();

    std::unique_ptr<TMessageBoxes> Boxes;
    TUrlOpener OpenUrl;
    bool FirstRunMode = false;
    TFontDesc PreviewFont;

    QTabWidget* PageControlPrefs = nullptr;
    TCheckBoxes Checks;
    TAccountPage* AccountPage = nullptr;
    TUpdatePage* UpdatePage = nullptr;
    TNotifyPage* NotifyPage = nullptr;
    TBehaviourPage* BehaviourPage = nullptr;
    TDisplayPage* DisplayPage = nullptr;
    TNetworkPage* NetworkPage = nullptr;
    TListEditor* NGWordEditor = nullptr;
    std::array<TListEditor*, NumberedTabCount> PickupEditors{};
    std::array<TListEditor*, NumberedTabCount> FavIDEditors{};
    TTabsPage* TabsPage = nullptr;
};
