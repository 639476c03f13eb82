#include "FormPrefs.h"

#include <algorithm>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "AccountPage.h"
#include "BehaviourPage.h"
#include "ColorPickerButton.h"
#include "DisplayPage.h"
#include "ListEditor.h"
#include "MessageBoxes.h"
#include "NetworkPage.h"
#include "NotifyPage.h"
#include "Numbers.h"
#include "PrefsChecks.h"
#include "QtConvert.h"
#include "QuorbelPrefs.h"
#include "TabsPage.h"
#include "UpdatePage.h"
#include "Urls.h"

namespace {

const QString NewMark = QStringLiteral("(*)");

// A spin field still holding typed text reads as if it had been left: a
// whole number clamps to the range, anything else counts as the minimum.
int SpinValue(const QSpinBox* spin) {
    const std::optional<qint32> typed = ParseInteger(spin->cleanText());
    return typed ? std::clamp(int(*typed), spin->minimum(), spin->maximum()) : spin->minimum();
}

QString WithoutNewMark(QString text) {
    return text.remove(NewMark);
}

} // namespace

TFormPrefs::TFormPrefs(const QStringList& soundFolders, QWidget* parent)
    : QDialog(parent), Boxes(std::make_unique<TMessageBoxes>()),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("FormPrefs"));
    setWindowTitle(QStringLiteral("設定"));

    PageControlPrefs = new QTabWidget;
    PageControlPrefs->setObjectName(QStringLiteral("PageControlPrefs"));
    // Every page's tab stays in sight.
    PageControlPrefs->setUsesScrollButtons(false);
    AccountPage = new TAccountPage(Checks);
    AccountPage->LabelTwitterURL->installEventFilter(this);
    PageControlPrefs->addTab(AccountPage, QStringLiteral("Wassr"));
    UpdatePage = new TUpdatePage(Checks);
    PageControlPrefs->addTab(UpdatePage, QStringLiteral("更新"));
    NotifyPage = new TNotifyPage(Checks, soundFolders);
    PageControlPrefs->addTab(NotifyPage, QStringLiteral("通知"));
    BehaviourPage = new TBehaviourPage(Checks);
    PageControlPrefs->addTab(BehaviourPage, QStringLiteral("動作"));
    DisplayPage = new TDisplayPage;
    connect(DisplayPage->ButtonFont, &QPushButton::clicked, this, &TFormPrefs::ButtonFontClick);
    connect(DisplayPage->ButtonDefault, &QPushButton::clicked, this,
            &TFormPrefs::ButtonDefaultClick);
    PageControlPrefs->addTab(DisplayPage, QStringLiteral("表示"));
    NetworkPage = new TNetworkPage(Checks);
    PageControlPrefs->addTab(NetworkPage, QStringLiteral("ネットワーク"));
    PageControlPrefs->addTab(BuildNGWordPage(), QStringLiteral("NGワード"));
    const TListEditorNames pickupNames{
        QStringLiteral("EditPickupLabel"),   QStringLiteral("ListBoxPickup"),
        QStringLiteral("EditPickup"),        QStringLiteral("ButtonAddPickup"),
        QStringLiteral("ButtonDelPickup"),   QStringLiteral("CheckBoxPickup"),
        QStringLiteral("PageControlPickup"), QStringLiteral("注目")};
    QWidget* pickupPage = BuildNumberedPages(pickupNames, PickupEditors);
    pickupPage->setObjectName(QStringLiteral("TabSheetPickupWord"));
    PageControlPrefs->addTab(pickupPage, QStringLiteral("注目ワード"));
    const TListEditorNames favIDNames{
        QStringLiteral("EditFavIDLabel"),   QStringLiteral("ListBoxFavID"),
        QStringLiteral("EditFavID"),        QStringLiteral("ButtonAddFavID"),
        QStringLiteral("ButtonDelFavID"),   QStringLiteral("CheckBoxFavID"),
        QStringLiteral("PageControlFavID"), QStringLiteral("ID")};
    QWidget* favIDPage = BuildNumberedPages(favIDNames, FavIDEditors);
    favIDPage->setObjectName(QStringLiteral("TabSheetFavID"));
    PageControlPrefs->addTab(favIDPage, QStringLiteral("お気に入りID"));
    TabsPage = new TTabsPage(Checks);
    PageControlPrefs->addTab(TabsPage, QStringLiteral("タブ"));

    auto* buttonOK = new QPushButton(QStringLiteral("OK"));
    buttonOK->setObjectName(QStringLiteral("ButtonOK"));
    buttonOK->setDefault(true);
    connect(buttonOK, &QPushButton::clicked, this, &TFormPrefs::ButtonOKClick);
    auto* buttonCancel = new QPushButton(QStringLiteral("キャンセル"));
    buttonCancel->setObjectName(QStringLiteral("Buttoncancel"));
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttonOK);
    buttons->addWidget(buttonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControlPrefs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Checks.value(QStringLiteral("CheckBoxUseProxy")), &QCheckBox::toggled, this,
            &TFormPrefs::UpdateProxyControls);
    connect(Checks.value(QStringLiteral("CheckBoxBalloon")), &QCheckBox::toggled, this,
            &TFormPrefs::UpdateBalloonControls);
    UpdateProxyControls();
    UpdateBalloonControls();
    UpdateListButtons();
}

TFormPrefs::~TFormPrefs() = default;

void TFormPrefs::SetMessageBoxes(std::unique_ptr<TMessageBoxes> boxes) {
    Boxes = std::move(boxes);
}

void TFormPrefs::SetUrlOpener(TUrlOpener open) {
    OpenUrl = std::move(open);
}

QWidget* TFormPrefs::BuildNGWordPage() {
    const TListEditorNames names{QString(),
                                 QStringLiteral("ListBoxNGWord"),
                                 QStringLiteral("EditNGWord"),
                                 QStringLiteral("ButtonAdd"),
                                 QStringLiteral("ButtonDel"),
                                 QString(),
                                 QString(),
                                 QString()};
    auto* group = new QGroupBox(QStringLiteral("NGワード"));
    auto* layout = new QVBoxLayout(group);
    NGWordEditor = new TListEditor(names, 0, QStringLiteral("NGワード"));
    layout->addWidget(NGWordEditor);
    layout->addWidget(MakeNote(QStringLiteral("この設定は次回取得時に有効です")));
    auto* page = new QWidget;
    LayOutPage(page, QStringLiteral("TabSheetNGWord"), {group});
    return page;
}

QWidget* TFormPrefs::BuildNumberedPages(const TListEditorNames& names,
                                        std::array<TListEditor*, NumberedTabCount>& editors) {
    auto* inner = new QTabWidget;
    inner->setObjectName(names.PageControl);
    for (int i = 0; i < NumberedTabCount; ++i) {
        const QString caption = names.PageCaption + NumberSuffix(i);
        editors[i] = new TListEditor(names, i, caption);
        inner->addTab(editors[i], caption);
    }
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(inner);
    return page;
}

void TFormPrefs::Fill(const TQuorbelPrefs& prefs, const QFont& listFont, const QList<TTabRow>& tabs,
                      bool firstRunMode) {
    FirstRunMode = firstRunMode;
    // The minimum goes first, or a short interval would be clamped away.
    const int minimumInterval = prefs.Zedadi ? 1 : 30;
    UpdatePage->SpinEditInterval->setMinimum(minimumInterval);
    UpdatePage->SpinEditDMInterval->setMinimum(minimumInterval);

    AccountPage->EditUsername->setText(prefs.Username);
    AccountPage->EditPassword->setText(prefs.Password);
    UpdatePage->SpinEditInterval->setValue(prefs.Interval);
    NetworkPage->EditProxy->setText(prefs.ProxyServer);
    NetworkPage->EditUser->setText(prefs.ProxyUser);
    NetworkPage->EditPass->setText(prefs.ProxyPass);
    NetworkPage->EditPort->setText(QString::number(prefs.ProxyPort));
    for (const TCheckBinding& binding : CheckBindings)
        Checks.value(QString::fromLatin1(binding.Name))->setChecked(prefs.*binding.Field);
    SetPreviewFont(ToFontDesc(listFont, prefs.ListFont));
    NGWordEditor->SetEntries(prefs.NGWords);
    for (int i = 0; i < NumberedTabCount; ++i) {
        PickupEditors[i]->SetEntries(prefs.PickupWords[i]);
        PickupEditors[i]->Label->setText(prefs.PickupLabel[i]);
        PickupEditors[i]->Popup->setChecked(prefs.PickupPopup[i]);
    }
    for (int i = 0; i < NumberedTabCount; ++i) {
        FavIDEditors[i]->SetEntries(prefs.FavIDs[i]);
        FavIDEditors[i]->Label->setText(prefs.FavIDLabel[i]);
        FavIDEditors[i]->Popup->setChecked(prefs.FavIDPopup[i]);
    }
    QList<TTabRow> rows = tabs;
    for (TTabRow& row : rows)
        row.Caption = WithoutNewMark(row.Caption);
    TabsPage->CheckListBoxTabs->SetRows(rows);
    for (const TColorBinding& binding : ColorBindings)
        DisplayPage->ColorPickers.value(QString::fromLatin1(binding.Name))
            ->SetColor(prefs.*binding.Field);
    BehaviourPage->ComboBoxDubbleClick->setCurrentIndex(prefs.ListDubbleClickMode);
    NotifyPage->ComboBoxSoundSet->setCurrentIndex(
        NotifyPage->ComboBoxSoundSet->findText(prefs.SoundSet, Qt::MatchFixedString));
    UpdatePage->SpinEditDMInterval->setValue(prefs.MesInterval);
    DisplayPage->ComboBoxPanelLayout->setCurrentIndex(prefs.PanelLayout);
    DisplayPage->SpinEditIDWidth->setValue(prefs.IDWidth);
    UpdatePage->EditQuorbelMark->setText(prefs.QuorbelMark);
    AccountPage->LabelTwitterURL->setText(prefs.Server.WebURL);

    // A first start asks for the account alone; a hidden page must not be
    // reachable from the keyboard either.
    for (int k = 0; k < PageControlPrefs->count(); ++k) {
        const bool reachable = !firstRunMode || PageControlPrefs->widget(k) == AccountPage;
        PageControlPrefs->setTabVisible(k, reachable);
        PageControlPrefs->setTabEnabled(k, reachable);
    }
    PageControlPrefs->setCurrentIndex(0);
    UpdateProxyControls();
    UpdateBalloonControls();
    UpdateListButtons();
}

void TFormPrefs::ReadBack(TQuorbelPrefs& prefs) const {
    prefs.Username = AccountPage->EditUsername->text();
    prefs.Password = AccountPage->EditPassword->text();
    prefs.ShowUsername = Checks.value(QStringLiteral("CheckBoxShowUsername"))->isChecked();
    if (FirstRunMode)
        return;

    prefs.Interval = SpinValue(UpdatePage->SpinEditInterval);
    for (const TCheckBinding& binding : CheckBindings)
        prefs.*binding.Field = Checks.value(QString::fromLatin1(binding.Name))->isChecked();
    prefs.ProxyServer = NetworkPage->EditProxy->text();
    prefs.ProxyUser = NetworkPage->EditUser->text();
    prefs.ProxyPass = NetworkPage->EditPass->text();
    // Read as the port check reads it. Unchecked while the proxy is off: a
    // port that is no whole number keeps the stored one.
    if (const std::optional<qint32> port = ParseTypedInteger(NetworkPage->EditPort->text()))
        prefs.ProxyPort = *port;
    prefs.ListFont = PreviewFont;
    prefs.NGWords = NGWordEditor->Entries();
    for (int i = 0; i < NumberedTabCount; ++i) {
        prefs.PickupWords[i] = PickupEditors[i]->Entries();
        prefs.PickupLabel[i] = WithoutNewMark(PickupEditors[i]->Label->text());
        prefs.PickupPopup[i] = PickupEditors[i]->Popup->isChecked();
    }
    for (int i = 0; i < NumberedTabCount; ++i) {
        prefs.FavIDs[i] = FavIDEditors[i]->Entries();
        prefs.FavIDLabel[i] = WithoutNewMark(FavIDEditors[i]->Label->text());
        prefs.FavIDPopup[i] = FavIDEditors[i]->Popup->isChecked();
    }
    const QList<TTabRow> rows = TabsPage->CheckListBoxTabs->Rows();
    for (int r = 0; r < rows.size(); ++r) {
        const int j = TabSheetIndex(rows[r].Name);
        if (TabSheetNames[j] != rows[r].Name)
            continue;
        prefs.TabDisp[j] = rows[r].Shown;
        prefs.TabIndex[j] = r;
    }
    for (const TColorBinding& binding : ColorBindings)
        prefs.*binding.Field =
            DisplayPage->ColorPickers.value(QString::fromLatin1(binding.Name))->Color();
    // A stored value outside the choices selects nothing and stays as it was.
    if (BehaviourPage->ComboBoxDubbleClick->currentIndex() >= 0)
        prefs.ListDubbleClickMode = BehaviourPage->ComboBoxDubbleClick->currentIndex();
    prefs.SoundSet = NotifyPage->ComboBoxSoundSet->currentText();
    prefs.MesInterval = SpinValue(UpdatePage->SpinEditDMInterval);
    if (DisplayPage->ComboBoxPanelLayout->currentIndex() >= 0)
        prefs.PanelLayout = DisplayPage->ComboBoxPanelLayout->currentIndex();
    prefs.IDWidth = SpinValue(DisplayPage->SpinEditIDWidth);
    prefs.QuorbelMark = UpdatePage->EditQuorbelMark->text();
}

void TFormPrefs::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        PageControlPrefs->setCurrentIndex(0);
        UpdateProxyControls();
        UpdateBalloonControls();
    }
    QDialog::showEvent(event);
}

bool TFormPrefs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AccountPage->LabelTwitterURL && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelTwitterURLDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormPrefs::ButtonOKClick() {
    const TPrefsCheck check = CheckPrefsInput(
        {AccountPage->EditUsername->text(),
         Checks.value(QStringLiteral("CheckBoxUseProxy"))->isChecked(),
         NetworkPage->EditProxy->text(), NetworkPage->EditPort->text(), !FirstRunMode});
    if (check == TPrefsCheck::Passed) {
        accept();
        return;
    }
    const TPrefsCheckMessage message = PrefsCheckMessage(check);
    Boxes->Error(this, message.Title, message.Text);
    // Take the user to the entry that needs fixing.
    QLineEdit* culprit = check == TPrefsCheck::ProxyPort     ? NetworkPage->EditPort
                         : check == TPrefsCheck::ProxyServer ? NetworkPage->EditProxy
                                                             : AccountPage->EditUsername;
    for (int k = 0; k < PageControlPrefs->count(); ++k) {
        if (PageControlPrefs->widget(k)->isAncestorOf(culprit))
            PageControlPrefs->setCurrentIndex(k);
    }
    culprit->setFocus();
    culprit->selectAll();
}

void TFormPrefs::ButtonFontClick() {
    bool chosen = false;
    const QFont font =
        QFontDialog::getFont(&chosen, ToQFont(PreviewFont), this, QStringLiteral("フォント"));
    if (chosen)
        SetPreviewFont(ToFontDesc(font, PreviewFont));
}

void TFormPrefs::ButtonDefaultClick() {
    SetPreviewFont(TFontDesc{});
}

void TFormPrefs::UpdateProxyControls() {
    const bool useProxy = Checks.value(QStringLiteral("CheckBoxUseProxy"))->isChecked();
    for (QLineEdit* edit : {NetworkPage->EditProxy, NetworkPage->EditPort, NetworkPage->EditUser,
                            NetworkPage->EditPass})
        edit->setEnabled(useProxy);
}

void TFormPrefs::UpdateBalloonControls() {
    const bool balloon = Checks.value(QStringLiteral("CheckBoxBalloon"))->isChecked();
    for (const char* name :
         {"CheckBoxPopupOnlyReplyToMe", "CheckBoxPopupOnlyFavID", "CheckBoxPopupOnlyPickup"})
        Checks.value(QString::fromLatin1(name))->setEnabled(balloon);
}

void TFormPrefs::UpdateListButtons() {
    for (const auto* editors : {&PickupEditors, &FavIDEditors}) {
        for (TListEditor* editor : *editors)
            editor->UpdateButtons();
    }
}

void TFormPrefs::SetPreviewFont(const TFontDesc& font) {
    PreviewFont = font;
    DisplayPage->LabelFont->setFont(ToQFont(font));
    QPalette preview = palette();
    const QColor color = ToQColor(font.Color, preview);
    if (color.isValid())
        preview.setColor(QPalette::WindowText, color);
    DisplayPage->LabelFont->setPalette(preview);
    // A face that is not installed is drawn in a substitute: the preview names both.
    const QString drawn = QFontInfo(DisplayPage->LabelFont->font()).family();
    const QString face = drawn == font.Name
                             ? font.Name
                             : font.Name + QStringLiteral(" (") + drawn + QLatin1Char(')');
    DisplayPage->LabelFont->setText(face + QLatin1Char(' ') + QString::number(font.Size) +
                                    QStringLiteral("Pt"));
}

void TFormPrefs::LabelTwitterURLDblClick() {
    const QString address = AccountPage->LabelTwitterURL->text();
    if (IsWebAddress(address))
        OpenUrl(QUrl(address));
}
