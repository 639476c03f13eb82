#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QDialog>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QUrl>

#include "FontDesc.h"
#include "Names.h"
#include "TabOrderList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TColorPickerButton;
class TMessageBoxes;
class TQuorbelPrefs;

// The preferences dialog "設定". It keeps no settings of its own: Fill copies
// the settings into the controls, the user edits them (word and ID lists
// included, all in the dialog only), OK checks the account and proxy entries,
// and ReadBack copies the controls into the settings. Cancel discards
// everything.
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

    // Exact, case-sensitive comparison of whole entries.
    static bool ListContains(const QListWidget* list, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one list editor: the NG words, or page i of the pickup
    // words or favourite IDs (those have a tab name and a popup flag).
    struct TListPage {
        QLineEdit* Label = nullptr;
        QListWidget* List = nullptr;
        QLineEdit* Entry = nullptr;
        QPushButton* Add = nullptr;
        QPushButton* Del = nullptr;
        QCheckBox* Popup = nullptr;
    };
    struct TListPageNames;

    QWidget* BuildAccountPage();
    QWidget* BuildUpdatePage();
    QWidget* BuildNotifyPage(const QStringList& soundFolders);
    QWidget* BuildBehaviourPage();
    QWidget* BuildDisplayPage();
    QWidget* BuildNetworkPage();
    QWidget* BuildNGWordPage();
    QWidget* BuildNumberedPages(const TListPageNames& names,
                                std::array<TListPage, NumberedTabCount>& pages);
    QWidget* BuildTabsPage();
    // caption: what a screen reader calls the page's list.
    QWidget* BuildListPage(const TListPageNames& names, int i, TListPage& page,
                           const QString& caption);
    // The check box of a bound setting, captioned and registered in Checks.
    QCheckBox* MakeCheck(const QString& name);
    QSpinBox* MakeSpin(const QString& name, int minimum, int maximum);

    void ButtonOKClick();
    void ButtonFontClick();
    void ButtonDefaultClick();
    void AddToList(const TListPage& page);
    void DeleteFromList(const TListPage& page);
    void UpdateProxyControls();
    void UpdateBalloonControls();
    // Delete needs a selected entry, add a non-empty entry text; the NG word
    // buttons are always enabled.
    void UpdateListButtons();
    void SetPreviewFont(const TFontDesc& font);
    void LabelTwitterURLDblClick();

    std::unique_ptr<TMessageBoxes> Boxes;
    TUrlOpener OpenUrl;
    bool FirstRunMode = false;
    TFontDesc PreviewFont;

    QTabWidget* PageControlPrefs = nullptr;
    QLineEdit* EditUsername = nullptr;
    QLineEdit* EditPassword = nullptr;
    QLabel* LabelNotice = nullptr;
    QLabel* LabelTwitterURL = nullptr;
    QSpinBox* SpinEditInterval = nullptr;
    QSpinBox* SpinEditDMInterval = nullptr;
    QSpinBox* SpinEditIDWidth = nullptr;
    QLineEdit* EditQuorbelMark = nullptr;
    QComboBox* ComboBoxSoundSet = nullptr;
    QComboBox* ComboBoxDubbleClick = nullptr;
    QComboBox* ComboBoxPanelLayout = nullptr;
    QLabel* LabelFont = nullptr;
    QLineEdit* EditProxy = nullptr;
    QLineEdit* EditPort = nullptr;
    QLineEdit* EditUser = nullptr;
    QLineEdit* EditPass = nullptr;
    TTabOrderList* CheckListBoxTabs = nullptr;
    QHash<QString, QCheckBox*> Checks;
    QHash<QString, TColorPickerButton*> ColorPickers;
    TListPage NGWordPage;
    std::array<TListPage, NumberedTabCount> PickupPages;
    std::array<TListPage, NumberedTabCount> FavIDPages;
};
