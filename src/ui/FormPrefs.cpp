#include "FormPrefs.h"

#include <algorithm>
#include <array>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ColorPickerButton.h"
#include "MessageBoxes.h"
#include "NotifySound.h"
#include "Numbers.h"
#include "PrefsChecks.h"
#include "QtConvert.h"
#include "QuorbelPrefs.h"
#include "Urls.h"

namespace {

// The check boxes and the settings they edit.
struct TCheckBinding {
    const char* Name;
    const char* Caption;
    bool TQuorbelPrefs::*Field;
};

constexpr std::array<TCheckBinding, 34> CheckBindings{{
    {"CheckBoxShowUsername", "ユーザ名を表示する", &TQuorbelPrefs::ShowUsername},
    {"CheckBoxEnableAutoUpdate", "自動的に更新する", &TQuorbelPrefs::EnableAutoUpdate},
    {"CheckBoxVisibleIcon", "アイコンを表示する", &TQuorbelPrefs::VisibleIcon},
    {"CheckBoxJapanize", "日本語対策を有効にする", &TQuorbelPrefs::EnableJapanize},
    {"CheckBoxQuorbelSign", "文末にQuorbelマークをつける", &TQuorbelPrefs::AddQuorbelSign},
    {"CheckBoxEnableStatusBlock", "ステータス送信後ボタンを無効にする",
     &TQuorbelPrefs::EnableUpdateBlock},
    {"CheckBoxUnread", "未読管理を行う", &TQuorbelPrefs::EnableUnreadManager},
    {"CheckBoxEnableUpdateReload", "ステータス更新時にタイムラインを取得する",
     &TQuorbelPrefs::EnableUpdateReload},
    {"CheckBoxUsePOSTMethod", "タイムライン取得時にPOSTメソッドを使う",
     &TQuorbelPrefs::UsePOSTMethod},
    {"CheckBoxFavMessage", "メッセージにも注目ワード、お気に入りIDを適用する",
     &TQuorbelPrefs::FavMessage},
    {"CheckBoxEnableConvertTinyURL", "ステータス中のTinyURLを展開する(次の取得で有効)",
     &TQuorbelPrefs::EnableConvertTinyURL},
    {"CheckBoxReverseSort", "新しいステータスを下に表示する", &TQuorbelPrefs::ReverseSort},
    {"CheckBoxEnableDisplayIcon", "タイムラインにアイコンを表示する(次の取得で有効)",
     &TQuorbelPrefs::EnableDisplayIcon},
    {"CheckBoxUpdateWithCTRL", "CTRL+ENTERで送信する", &TQuorbelPrefs::UpdateWithCTRL},
    {"CheckBoxEnableHeart", "ハート対応を行う", &TQuorbelPrefs::EnableHeart},
    {"CheckBoxBalloon", "新着記事をバルーン表示する", &TQuorbelPrefs::EnableBalloon},
    {"CheckBoxPopupOnlyReplyToMe", "自分あての返信のみポップアップする",
     &TQuorbelPrefs::PopupOnlyReplyToMe},
    {"CheckBoxPopupOnlyFavID", "お気に入りIDのヒトコトのみポップアップする",
     &TQuorbelPrefs::PopupOnlyFavID},
    {"CheckBoxPopupOnlyPickup", "注目ワードを含むヒトコトのみポップアップする",
     &TQuorbelPrefs::PopupOnlyPickup},
    {"CheckBoxSndStatus", "新着ヒトコトがあったときに音を鳴らす", &TQuorbelPrefs::SndStatus},
    {"CheckBoxSndReply", "新着の返信があったときに音を鳴らす", &TQuorbelPrefs::SndReply},
    {"CheckBoxSndMessage", "新着メッセージがあるときに音を鳴らす", &TQuorbelPrefs::SndMessage},
    {"CheckBoxTaskIconNotify", "新着があったときにアイコンを変える",
     &TQuorbelPrefs::TaskIconNotify},
    {"CheckBoxMinimize", "最小化時にタスクトレイに収納", &TQuorbelPrefs::MinimizeInTaskTray},
    {"CheckBoxClose", "終了ボタンで最小化", &TQuorbelPrefs::MinimizeOnClose},
    {"CheckBoxTopMost", "常に最前面に", &TQuorbelPrefs::TopMost},
    {"CheckBoxMinimizeOnCreate", "起動時に最小化する", &TQuorbelPrefs::MinimizeOnCreate},
    {"CheckBoxAskAddFavorite", "Favoritesに追加する時に確認ダイアログを表示する",
     &TQuorbelPrefs::AskAddFavorite},
    {"CheckBoxEnableP3Key", "リスト上でのP3互換のキー操作を有効にする",
     &TQuorbelPrefs::EnableP3Key},
    {"CheckBoxEnableUpdateCheck", "起動時にQuorbelの新しいバージョンを確認する",
     &TQuorbelPrefs::EnableUpdateCheck},
    {"CheckBoxUseProxy", "PROXYを使う(&U)", &TQuorbelPrefs::UseProxy},
    {"CheckBoxTabMulti", "タブを複数の行で表示する(Quorbel再起動時に有効)",
     &TQuorbelPrefs::TabMultiLine},
    {"CheckBoxTabIcon", "タブにアイコンを表示する(Quorbel再起動時に有効)",
     &TQuorbelPrefs::VisibleTabIcon},
    {"CheckBoxVisibaleTabSign", "タブに新着マーク「(*)」を表示する",
     &TQuorbelPrefs::VisibleTabSign},
}};

// The colour pickers, their row captions and the settings they edit.
struct TColorBinding {
    const char* Name;
    TColor TQuorbelPrefs::*Field;
};

constexpr std::array<TColorBinding, 6> ColorBindings{{
    {"ColorPickerButtonStatus", &TQuorbelPrefs::ListStatusColor},
    {"ColorPickerButtonStatusText", &TQuorbelPrefs::ListStatusTextColor},
    {"ColorPickerButtonReply", &TQuorbelPrefs::ListReplyColor},
    {"ColorPickerButtonReplyText", &TQuorbelPrefs::ListReplyTextColor},
    {"ColorPickerButtonReplyTo", &TQuorbelPrefs::ListReplyToColor},
    {"ColorPickerButtonReplyToText", &TQuorbelPrefs::ListReplyToTextColor},
}};

constexpr std::array<const char*, 3> ColorRowCaptions{
    "選択されたユーザの発言：", "選択されたユーザへの返信：", "選択されたユーザの返信元："};

const QString NewMark = QStringLiteral("(*)");
const QString WassrPageName = QStringLiteral("TabSheetTwitter");

// A spin field still holding typed text reads as if it had been left: a
// whole number clamps to the range, anything else counts as the minimum.
int SpinValue(const QSpinBox* spin) {
    const std::optional<qint32> typed = ParseInteger(spin->cleanText());
    return typed ? std::clamp(int(*typed), spin->minimum(), spin->maximum()) : spin->minimum();
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int k = 0; k < list->count(); ++k)
        entries.append(list->item(k)->text());
    return entries;
}

void SetEntries(QListWidget* list, const QStringList& entries) {
    list->clear();
    list->addItems(entries);
}

QString WithoutNewMark(QString text) {
    return text.remove(NewMark);
}

QLineEdit* MakeEdit(const QString& name, bool password = false) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
        // Each typed character shows as "*", whatever the desktop style draws.
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    return edit;
}

QLabel* MakeNote(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QComboBox* MakeCombo(const QString& name, const QStringList& items) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

// A leading label names the control after it, for Alt+key and for screen readers.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* label = qobject_cast<QLabel*>(*widgets.begin());
    if (label && widgets.size() > 1)
        label->setBuddy(*std::next(widgets.begin()));
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

QWidget* Page(const QString& name, std::initializer_list<QWidget*> groups) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    for (QWidget* group : groups)
        layout->addWidget(group);
    layout->addStretch();
    return page;
}

} // namespace

// The names of one kind of list editor; the numbered ones append IndexSuffix(i).
struct TFormPrefs::TListPageNames {
    QString Label;
    QString List;
    QString Entry;
    QString Add;
    QString Del;
    QString Popup;
    QString PageControl;
    QString PageCaption; // + NumberSuffix(i)
};

TFormPrefs::TFormPrefs(const QStringList& soundFolders, QWidget* parent)
    : QDialog(parent), Boxes(std::make_unique<TMessageBoxes>()),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("FormPrefs"));
    setWindowTitle(QStringLiteral("設定"));

    PageControlPrefs = new QTabWidget;
    PageControlPrefs->setObjectName(QStringLiteral("PageControlPrefs"));
    // Every page's tab stays in sight.
    PageControlPrefs->setUsesScrollButtons(false);
    PageControlPrefs->addTab(BuildAccountPage(), QStringLiteral("Wassr"));
    PageControlPrefs->addTab(BuildUpdatePage(), QStringLiteral("更新"));
    PageControlPrefs->addTab(BuildNotifyPage(soundFolders), QStringLiteral("通知"));
    PageControlPrefs->addTab(BuildBehaviourPage(), QStringLiteral("動作"));
    PageControlPrefs->addTab(BuildDisplayPage(), QStringLiteral("表示"));
    PageControlPrefs->addTab(BuildNetworkPage(), QStringLiteral("ネットワーク"));
    PageControlPrefs->addTab(BuildNGWordPage(), QStringLiteral("NGワード"));
    const TListPageNames pickupNames{
        QStringLiteral("EditPickupLabel"),   QStringLiteral("ListBoxPickup"),
        QStringLiteral("EditPickup"),        QStringLiteral("ButtonAddPickup"),
        QStringLiteral("ButtonDelPickup"),   QStringLiteral("CheckBoxPickup"),
        QStringLiteral("PageControlPickup"), QStringLiteral("注目")};
    QWidget* pickupPage = BuildNumberedPages(pickupNames, PickupPages);
    pickupPage->setObjectName(QStringLiteral("TabSheetPickupWord"));
    PageControlPrefs->addTab(pickupPage, QStringLiteral("注目ワード"));
    const TListPageNames favIDNames{
        QStringLiteral("EditFavIDLabel"),   QStringLiteral("ListBoxFavID"),
        QStringLiteral("EditFavID"),        QStringLiteral("ButtonAddFavID"),
        QStringLiteral("ButtonDelFavID"),   QStringLiteral("CheckBoxFavID"),
        QStringLiteral("PageControlFavID"), QStringLiteral("ID")};
    QWidget* favIDPage = BuildNumberedPages(favIDNames, FavIDPages);
    favIDPage->setObjectName(QStringLiteral("TabSheetFavID"));
    PageControlPrefs->addTab(favIDPage, QStringLiteral("お気に入りID"));
    PageControlPrefs->addTab(BuildTabsPage(), QStringLiteral("タブ"));

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

QCheckBox* TFormPrefs::MakeCheck(const QString& name) {
    const auto binding = std::find_if(CheckBindings.begin(), CheckBindings.end(),
                                      [&](const TCheckBinding& b) { return name == b.Name; });
    auto* check = new QCheckBox(QString::fromUtf8(binding->Caption));
    check->setObjectName(name);
    Checks.insert(name, check);
    return check;
}

QSpinBox* TFormPrefs::MakeSpin(const QString& name, int minimum, int maximum) {
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return spin;
}

QWidget* TFormPrefs::BuildAccountPage() {
    auto* account = new QGroupBox(QStringLiteral("アカウント"));
    auto* form = new QFormLayout(account);
    EditUsername = MakeEdit(QStringLiteral("EditUsername"));
    EditPassword = MakeEdit(QStringLiteral("EditPassword"), true);
    form->addRow(QStringLiteral("ユーザ名："), EditUsername);
    form->addRow(QStringLiteral("パスワード："), EditPassword);
    form->addRow(MakeCheck(QStringLiteral("CheckBoxShowUsername")));

    LabelNotice = MakeNote(
        QStringList{QStringLiteral("QuorbelはマイクロブログサービスWassr用クライアントです。"),
                    QStringLiteral("Quorbelを使うためにはWassrのアカウントが必要です。"),
                    QStringLiteral("以下のURLをダブルクリックして、アカウントを取得してください。")}
            .join(QLatin1Char('\n')));
    LabelNotice->setObjectName(QStringLiteral("LabelNotice"));
    // Three sentences on three lines: wrapping would strand their last characters.
    LabelNotice->setWordWrap(false);
    LabelTwitterURL = new QLabel;
    LabelTwitterURL->setObjectName(QStringLiteral("LabelTwitterURL"));
    QFont linkFont = LabelTwitterURL->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    LabelTwitterURL->setFont(linkFont);
    QPalette linkPalette = LabelTwitterURL->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    LabelTwitterURL->setPalette(linkPalette);
    LabelTwitterURL->setCursor(Qt::PointingHandCursor);
    LabelTwitterURL->installEventFilter(this);
    return Page(WassrPageName, {account, LabelNotice, LabelTwitterURL});
}

QWidget* TFormPrefs::BuildUpdatePage() {
    auto* group = new QGroupBox(QStringLiteral("更新"));
    auto* layout = new QVBoxLayout(group);
    SpinEditInterval = MakeSpin(QStringLiteral("SpinEditInterval"), 30, 86400);
    layout->addLayout(Row({new QLabel(QStringLiteral("更新頻度：")), SpinEditInterval,
                           new QLabel(QStringLiteral("秒"))}));
    // Carried through the dialog, never shown.
    SpinEditDMInterval = MakeSpin(QStringLiteral("SpinEditDMInterval"), 30, 86400);
    auto* dmLabel = new QLabel(QStringLiteral("DM更新頻度："));
    dmLabel->setObjectName(QStringLiteral("LabelDMInterval"));
    auto* dmUnit = new QLabel(QStringLiteral("秒"));
    dmUnit->setObjectName(QStringLiteral("LabelDMIntervalUnit"));
    for (QWidget* hidden :
         {static_cast<QWidget*>(dmLabel), static_cast<QWidget*>(SpinEditDMInterval),
          static_cast<QWidget*>(dmUnit)})
        hidden->hide();
    layout->addLayout(Row({dmLabel, SpinEditDMInterval, dmUnit}));

    layout->addWidget(MakeCheck(QStringLiteral("CheckBoxEnableAutoUpdate")));
    layout->addWidget(MakeCheck(QStringLiteral("CheckBoxVisibleIcon")));
    layout->addWidget(MakeCheck(QStringLiteral("CheckBoxJapanize")));
    Checks.value(QStringLiteral("CheckBoxJapanize"))->hide();
    EditQuorbelMark = MakeEdit(QStringLiteral("EditQuorbelMark"));
    layout->addLayout(Row({MakeCheck(QStringLiteral("CheckBoxQuorbelSign")), EditQuorbelMark}));
    for (const char* name :
         {"CheckBoxEnableStatusBlock", "CheckBoxUnread", "CheckBoxEnableUpdateReload",
          "CheckBoxUsePOSTMethod", "CheckBoxFavMessage", "CheckBoxEnableConvertTinyURL",
          "CheckBoxReverseSort", "CheckBoxEnableDisplayIcon", "CheckBoxUpdateWithCTRL",
          "CheckBoxEnableHeart"})
        layout->addWidget(MakeCheck(QString::fromLatin1(name)));
    Checks.value(QStringLiteral("CheckBoxUsePOSTMethod"))->hide();
    return Page(QStringLiteral("TabSheetUpdate"), {group});
}

QWidget* TFormPrefs::BuildNotifyPage(const QStringList& soundFolders) {
    auto* balloon = new QGroupBox(QStringLiteral("バルーン"));
    auto* balloonLayout = new QVBoxLayout(balloon);
    balloonLayout->addWidget(MakeCheck(QStringLiteral("CheckBoxBalloon")));
    for (const char* name :
         {"CheckBoxPopupOnlyReplyToMe", "CheckBoxPopupOnlyFavID", "CheckBoxPopupOnlyPickup"}) {
        QCheckBox* only = MakeCheck(QString::fromLatin1(name));
        // Indented under the check box that enables them.
        only->setContentsMargins(16, 0, 0, 0);
        balloonLayout->addWidget(only);
    }

    auto* sound = new QGroupBox(QStringLiteral("サウンド"));
    auto* soundLayout = new QVBoxLayout(sound);
    for (const char* name : {"CheckBoxSndStatus", "CheckBoxSndReply", "CheckBoxSndMessage"})
        soundLayout->addWidget(MakeCheck(QString::fromLatin1(name)));
    ComboBoxSoundSet = MakeCombo(QStringLiteral("ComboBoxSoundSet"), SoundSetNames(soundFolders));
    soundLayout->addLayout(Row({new QLabel(QStringLiteral("サウンドセット：")), ComboBoxSoundSet}));

    auto* tray = new QGroupBox(QStringLiteral("タスクトレイ"));
    auto* trayLayout = new QVBoxLayout(tray);
    trayLayout->addWidget(MakeCheck(QStringLiteral("CheckBoxTaskIconNotify")));
    return Page(QStringLiteral("TabSheetBalloon"), {balloon, sound, tray});
}

QWidget* TFormPrefs::BuildBehaviourPage() {
    auto* group = new QGroupBox(QStringLiteral("動作"));
    auto* layout = new QVBoxLayout(group);
    for (const char* name :
         {"CheckBoxMinimize", "CheckBoxClose", "CheckBoxTopMost", "CheckBoxMinimizeOnCreate"})
        layout->addWidget(MakeCheck(QString::fromLatin1(name)));
    ComboBoxDubbleClick = MakeCombo(QStringLiteral("ComboBoxDubbleClick"),
                                    {QStringLiteral("返信"), QStringLiteral("ダイレクトメッセージ"),
                                     QStringLiteral("友達のホーム")});
    layout->addWidget(new QLabel(QStringLiteral("リストをダブルクリックしたときの動作：")));
    layout->addLayout(Row({ComboBoxDubbleClick}));
    layout->addWidget(MakeCheck(QStringLiteral("CheckBoxAskAddFavorite")));
    layout->addWidget(MakeCheck(QStringLiteral("CheckBoxEnableP3Key")));

    // Carried through the dialog, never shown.
    auto* update = new QGroupBox(QStringLiteral("更新"));
    update->setObjectName(QStringLiteral("GroupBoxQuorbelUpdate"));
    auto* updateLayout = new QVBoxLayout(update);
    updateLayout->addWidget(MakeCheck(QStringLiteral("CheckBoxEnableUpdateCheck")));
    update->hide();
    return Page(QStringLiteral("TabSheetDo"), {group, update});
}

QWidget* TFormPrefs::BuildDisplayPage() {
    auto* font = new QGroupBox(QStringLiteral("フォント"));
    auto* fontLayout = new QVBoxLayout(font);
    LabelFont = new QLabel;
    LabelFont->setObjectName(QStringLiteral("LabelFont"));
    LabelFont->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    LabelFont->setAlignment(Qt::AlignCenter);
    LabelFont->setMinimumHeight(36);
    auto* buttonFont = new QPushButton(QStringLiteral("参照..."));
    buttonFont->setObjectName(QStringLiteral("ButtonFont"));
    connect(buttonFont, &QPushButton::clicked, this, &TFormPrefs::ButtonFontClick);
    auto* buttonDefault = new QPushButton(QStringLiteral("元に戻す"));
    buttonDefault->setObjectName(QStringLiteral("ButtonDefault"));
    connect(buttonDefault, &QPushButton::clicked, this, &TFormPrefs::ButtonDefaultClick);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(LabelFont, 1);
    fontRow->addWidget(buttonFont);
    fontRow->addWidget(buttonDefault);
    fontLayout->addLayout(fontRow);
    QLabel* warning = MakeNote(QStringLiteral(
        "「行の挿入エラー」が出る時は、「元に戻す」ボタンで設定を初期値に戻してください"));
    QPalette warningPalette = warning->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    warning->setPalette(warningPalette);
    fontLayout->addWidget(warning);

    auto* colors = new QGroupBox(QStringLiteral("リスト行の色"));
    auto* grid = new QGridLayout(colors);
    grid->addWidget(new QLabel(QStringLiteral("背景色")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("文字色")), 0, 2, Qt::AlignCenter);
    const TQuorbelPrefs defaults{QString(), QString()};
    for (int k = 0; k < int(ColorBindings.size()); ++k) {
        const TColorBinding& binding = ColorBindings[k];
        auto* picker = new TColorPickerButton;
        picker->setObjectName(QString::fromLatin1(binding.Name));
        picker->setAccessibleName(
            QString::fromUtf8(ColorRowCaptions[k / 2]) +
            (k % 2 == 0 ? QStringLiteral("の背景色") : QStringLiteral("の文字色")));
        // "標準" gives back the colour a fresh installation uses.
        picker->SetDefaultColor(defaults.*binding.Field);
        ColorPickers.insert(picker->objectName(), picker);
        const int row = 1 + k / 2;
        if (k % 2 == 0)
            grid->addWidget(new QLabel(QString::fromUtf8(ColorRowCaptions[k / 2])), row, 0);
        grid->addWidget(picker, row, 1 + k % 2, Qt::AlignCenter);
    }

    auto* layoutGroup = new QGroupBox(QStringLiteral("レイアウト"));
    auto* form = new QFormLayout(layoutGroup);
    ComboBoxPanelLayout = MakeCombo(QStringLiteral("ComboBoxPanelLayout"),
                                    {QStringLiteral("レイアウト1(詳細、リスト、入力)"),
                                     QStringLiteral("レイアウト2(リスト、詳細、入力)"),
                                     QStringLiteral("レイアウト3(入力、リスト、詳細)")});
    form->addRow(QStringLiteral("UIレイアウト："), ComboBoxPanelLayout);
    SpinEditIDWidth = MakeSpin(QStringLiteral("SpinEditIDWidth"), 5, 600);
    form->addRow(QStringLiteral("ID表示カラムの幅："), SpinEditIDWidth);
    return Page(QStringLiteral("TabSheetDisp"), {font, colors, layoutGroup});
}

QWidget* TFormPrefs::BuildNetworkPage() {
    auto* group = new QGroupBox(QStringLiteral("PROXY"));
    auto* form = new QFormLayout(group);
    form->addRow(MakeCheck(QStringLiteral("CheckBoxUseProxy")));
    EditProxy = MakeEdit(QStringLiteral("EditProxy"));
    EditPort = MakeEdit(QStringLiteral("EditPort"));
    EditUser = MakeEdit(QStringLiteral("EditUser"));
    EditPass = MakeEdit(QStringLiteral("EditPass"), true);
    form->addRow(QStringLiteral("PROXYサーバ："), EditProxy);
    form->addRow(QStringLiteral("ポート："), EditPort);
    form->addRow(QStringLiteral("ユーザ名："), EditUser);
    form->addRow(QStringLiteral("パスワード："), EditPass);
    return Page(QStringLiteral("TabSheetNetwork"), {group});
}

QWidget* TFormPrefs::BuildNGWordPage() {
    const TListPageNames names{QString(),
                               QStringLiteral("ListBoxNGWord"),
                               QStringLiteral("EditNGWord"),
                               QStringLiteral("ButtonAdd"),
                               QStringLiteral("ButtonDel"),
                               QString(),
                               QString(),
                               QString()};
    auto* group = new QGroupBox(QStringLiteral("NGワード"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(BuildListPage(names, 0, NGWordPage, QStringLiteral("NGワード")));
    layout->addWidget(MakeNote(QStringLiteral("この設定は次回取得時に有効です")));
    return Page(QStringLiteral("TabSheetNGWord"), {group});
}

QWidget* TFormPrefs::BuildNumberedPages(const TListPageNames& names,
                                        std::array<TListPage, NumberedTabCount>& pages) {
    auto* inner = new QTabWidget;
    inner->setObjectName(names.PageControl);
    for (int i = 0; i < NumberedTabCount; ++i) {
        const QString caption = names.PageCaption + NumberSuffix(i);
        inner->addTab(BuildListPage(names, i, pages[i], caption), caption);
    }
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(inner);
    return page;
}

QWidget* TFormPrefs::BuildListPage(const TListPageNames& names, int i, TListPage& page,
                                   const QString& caption) {
    const QString suffix = IndexSuffix(i);
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    if (!names.Label.isEmpty()) {
        page.Label = MakeEdit(names.Label + suffix);
        layout->addLayout(Row({new QLabel(QStringLiteral("タブ名：")), page.Label}));
    }
    page.List = new QListWidget;
    page.List->setObjectName(names.List + suffix);
    page.List->setAccessibleName(caption);
    layout->addWidget(page.List);
    page.Entry = MakeEdit(names.Entry + suffix);
    page.Entry->setAccessibleName(caption + QStringLiteral("に追加する項目"));
    page.Add = new QPushButton(QStringLiteral("追加"));
    page.Add->setObjectName(names.Add + suffix);
    page.Del = new QPushButton(QStringLiteral("削除"));
    page.Del->setObjectName(names.Del + suffix);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(page.Entry, 1);
    entryRow->addWidget(page.Add);
    entryRow->addWidget(page.Del);
    layout->addLayout(entryRow);
    if (!names.Popup.isEmpty()) {
        page.Popup = new QCheckBox(QStringLiteral("ポップアップする"));
        page.Popup->setObjectName(names.Popup + suffix);
        layout->addWidget(page.Popup);
    }
    // One handler per kind serves every page: the page travels with the connection.
    connect(page.Add, &QPushButton::clicked, this, [this, page] { AddToList(page); });
    connect(page.Del, &QPushButton::clicked, this, [this, page] { DeleteFromList(page); });
    connect(page.Entry, &QLineEdit::textChanged, this, &TFormPrefs::UpdateListButtons);
    connect(page.List, &QListWidget::itemSelectionChanged, this, &TFormPrefs::UpdateListButtons);
    return widget;
}

QWidget* TFormPrefs::BuildTabsPage() {
    auto* shown = new QGroupBox(QStringLiteral("表示"));
    auto* shownLayout = new QVBoxLayout(shown);
    CheckListBoxTabs = new TTabOrderList;
    CheckListBoxTabs->setObjectName(QStringLiteral("CheckListBoxTabs"));
    CheckListBoxTabs->setAccessibleName(QStringLiteral("表示するタブと並び順"));
    shownLayout->addWidget(CheckListBoxTabs);
    shownLayout->addWidget(
        MakeNote(QStringLiteral("項目をドラッグ＆ドロップして並べ替えができます")));

    auto* style = new QGroupBox(QStringLiteral("スタイル"));
    auto* styleLayout = new QVBoxLayout(style);
    for (const char* name : {"CheckBoxTabMulti", "CheckBoxTabIcon", "CheckBoxVisibaleTabSign"})
        styleLayout->addWidget(MakeCheck(QString::fromLatin1(name)));
    return Page(QStringLiteral("TabSheetTabs"), {shown, style});
}

void TFormPrefs::Fill(const TQuorbelPrefs& prefs, const QFont& listFont, const QList<TTabRow>& tabs,
                      bool firstRunMode) {
    FirstRunMode = firstRunMode;
    // The minimum goes first, or a short interval would be clamped away.
    const int minimumInterval = prefs.Zedadi ? 1 : 30;
    SpinEditInterval->setMinimum(minimumInterval);
    SpinEditDMInterval->setMinimum(minimumInterval);

    EditUsername->setText(prefs.Username);
    EditPassword->setText(prefs.Password);
    SpinEditInterval->setValue(prefs.Interval);
    EditProxy->setText(prefs.ProxyServer);
    EditUser->setText(prefs.ProxyUser);
    EditPass->setText(prefs.ProxyPass);
    EditPort->setText(QString::number(prefs.ProxyPort));
    for (const TCheckBinding& binding : CheckBindings)
        Checks.value(QString::fromLatin1(binding.Name))->setChecked(prefs.*binding.Field);
    SetPreviewFont(ToFontDesc(listFont, prefs.ListFont));
    SetEntries(NGWordPage.List, prefs.NGWords);
    for (int i = 0; i < NumberedTabCount; ++i) {
        SetEntries(PickupPages[i].List, prefs.PickupWords[i]);
        PickupPages[i].Label->setText(prefs.PickupLabel[i]);
        PickupPages[i].Popup->setChecked(prefs.PickupPopup[i]);
    }
    for (int i = 0; i < NumberedTabCount; ++i) {
        SetEntries(FavIDPages[i].List, prefs.FavIDs[i]);
        FavIDPages[i].Label->setText(prefs.FavIDLabel[i]);
        FavIDPages[i].Popup->setChecked(prefs.FavIDPopup[i]);
    }
    QList<TTabRow> rows = tabs;
    for (TTabRow& row : rows)
        row.Caption = WithoutNewMark(row.Caption);
    CheckListBoxTabs->SetRows(rows);
    for (const TColorBinding& binding : ColorBindings)
        ColorPickers.value(QString::fromLatin1(binding.Name))->SetColor(prefs.*binding.Field);
    ComboBoxDubbleClick->setCurrentIndex(prefs.ListDubbleClickMode);
    ComboBoxSoundSet->setCurrentIndex(
        ComboBoxSoundSet->findText(prefs.SoundSet, Qt::MatchFixedString));
    SpinEditDMInterval->setValue(prefs.MesInterval);
    ComboBoxPanelLayout->setCurrentIndex(prefs.PanelLayout);
    SpinEditIDWidth->setValue(prefs.IDWidth);
    EditQuorbelMark->setText(prefs.QuorbelMark);
    LabelTwitterURL->setText(prefs.Server.WebURL);

    // A first start asks for the account alone; a hidden page must not be
    // reachable from the keyboard either.
    for (int k = 0; k < PageControlPrefs->count(); ++k) {
        const bool reachable =
            !firstRunMode || PageControlPrefs->widget(k)->objectName() == WassrPageName;
        PageControlPrefs->setTabVisible(k, reachable);
        PageControlPrefs->setTabEnabled(k, reachable);
    }
    PageControlPrefs->setCurrentIndex(0);
    UpdateProxyControls();
    UpdateBalloonControls();
    UpdateListButtons();
}

void TFormPrefs::ReadBack(TQuorbelPrefs& prefs) const {
    prefs.Username = EditUsername->text();
    prefs.Password = EditPassword->text();
    prefs.ShowUsername = Checks.value(QStringLiteral("CheckBoxShowUsername"))->isChecked();
    if (FirstRunMode)
        return;

    prefs.Interval = SpinValue(SpinEditInterval);
    for (const TCheckBinding& binding : CheckBindings)
        prefs.*binding.Field = Checks.value(QString::fromLatin1(binding.Name))->isChecked();
    prefs.ProxyServer = EditProxy->text();
    prefs.ProxyUser = EditUser->text();
    prefs.ProxyPass = EditPass->text();
    // Read as the port check reads it. Unchecked while the proxy is off: a
    // port that is no whole number keeps the stored one.
    if (const std::optional<qint32> port = ParseTypedInteger(EditPort->text()))
        prefs.ProxyPort = *port;
    prefs.ListFont = PreviewFont;
    prefs.NGWords = Entries(NGWordPage.List);
    for (int i = 0; i < NumberedTabCount; ++i) {
        prefs.PickupWords[i] = Entries(PickupPages[i].List);
        prefs.PickupLabel[i] = WithoutNewMark(PickupPages[i].Label->text());
        prefs.PickupPopup[i] = PickupPages[i].Popup->isChecked();
    }
    for (int i = 0; i < NumberedTabCount; ++i) {
        prefs.FavIDs[i] = Entries(FavIDPages[i].List);
        prefs.FavIDLabel[i] = WithoutNewMark(FavIDPages[i].Label->text());
        prefs.FavIDPopup[i] = FavIDPages[i].Popup->isChecked();
    }
    const QList<TTabRow> rows = CheckListBoxTabs->Rows();
    for (int r = 0; r < rows.size(); ++r) {
        const int j = TabSheetIndex(rows[r].Name);
        if (TabSheetNames[j] != rows[r].Name)
            continue;
        prefs.TabDisp[j] = rows[r].Shown;
        prefs.TabIndex[j] = r;
    }
    for (const TColorBinding& binding : ColorBindings)
        prefs.*binding.Field = ColorPickers.value(QString::fromLatin1(binding.Name))->Color();
    // A stored value outside the choices selects nothing and stays as it was.
    if (ComboBoxDubbleClick->currentIndex() >= 0)
        prefs.ListDubbleClickMode = ComboBoxDubbleClick->currentIndex();
    prefs.SoundSet = ComboBoxSoundSet->currentText();
    prefs.MesInterval = SpinValue(SpinEditDMInterval);
    if (ComboBoxPanelLayout->currentIndex() >= 0)
        prefs.PanelLayout = ComboBoxPanelLayout->currentIndex();
    prefs.IDWidth = SpinValue(SpinEditIDWidth);
    prefs.QuorbelMark = EditQuorbelMark->text();
}

bool TFormPrefs::ListContains(const QListWidget* list, const QString& text) {
    return Entries(list).contains(text, Qt::CaseSensitive);
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
    if (watched == LabelTwitterURL && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelTwitterURLDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormPrefs::ButtonOKClick() {
    const TPrefsCheck check = CheckPrefsInput(
        {EditUsername->text(), Checks.value(QStringLiteral("CheckBoxUseProxy"))->isChecked(),
         EditProxy->text(), EditPort->text(), !FirstRunMode});
    if (check == TPrefsCheck::Passed) {
        accept();
        return;
    }
    const TPrefsCheckMessage message = PrefsCheckMessage(check);
    Boxes->Error(this, message.Title, message.Text);
    // Take the user to the entry that needs fixing.
    QLineEdit* culprit = check == TPrefsCheck::ProxyPort     ? EditPort
                         : check == TPrefsCheck::ProxyServer ? EditProxy
                                                             : EditUsername;
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

void TFormPrefs::AddToList(const TListPage& page) {
    const QString text = page.Entry->text();
    if (text.isEmpty() || ListContains(page.List, text))
        return;
    page.List->addItem(text);
    page.Entry->clear();
    page.Entry->setFocus();
}

void TFormPrefs::DeleteFromList(const TListPage& page) {
    const QList<QListWidgetItem*> selected = page.List->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    UpdateListButtons();
}

void TFormPrefs::UpdateProxyControls() {
    const bool useProxy = Checks.value(QStringLiteral("CheckBoxUseProxy"))->isChecked();
    for (QLineEdit* edit : {EditProxy, EditPort, EditUser, EditPass})
        edit->setEnabled(useProxy);
}

void TFormPrefs::UpdateBalloonControls() {
    const bool balloon = Checks.value(QStringLiteral("CheckBoxBalloon"))->isChecked();
    for (const char* name :
         {"CheckBoxPopupOnlyReplyToMe", "CheckBoxPopupOnlyFavID", "CheckBoxPopupOnlyPickup"})
        Checks.value(QString::fromLatin1(name))->setEnabled(balloon);
}

void TFormPrefs::UpdateListButtons() {
    for (const auto* pages : {&PickupPages, &FavIDPages}) {
        for (const TListPage& page : *pages) {
            page.Del->setEnabled(!page.List->selectedItems().isEmpty());
            page.Add->setEnabled(!page.Entry->text().isEmpty());
        }
    }
}

void TFormPrefs::SetPreviewFont(const TFontDesc& font) {
    PreviewFont = font;
    LabelFont->setFont(ToQFont(font));
    QPalette preview = palette();
    const QColor color = ToQColor(font.Color, preview);
    if (color.isValid())
        preview.setColor(QPalette::WindowText, color);
    LabelFont->setPalette(preview);
    // A face that is not installed is drawn in a substitute: the preview names both.
    const QString drawn = QFontInfo(LabelFont->font()).family();
    const QString face = drawn == font.Name
                             ? font.Name
                             : font.Name + QStringLiteral(" (") + drawn + QLatin1Char(')');
    LabelFont->setText(face + QLatin1Char(' ') + QString::number(font.Size) + QStringLiteral("Pt"));
}

void TFormPrefs::LabelTwitterURLDblClick() {
    const QString address = LabelTwitterURL->text();
    if (IsWebAddress(address))
        OpenUrl(QUrl(address));
}
