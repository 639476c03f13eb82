#include "PrefsControls.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

const std::array<TCheckBinding, 34> CheckBindings{{
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

const std::array<TColorBinding, 6> ColorBindings{{
    {"ColorPickerButtonStatus", &TQuorbelPrefs::ListStatusColor},
    {"ColorPickerButtonStatusText", &TQuorbelPrefs::ListStatusTextColor},
    {"ColorPickerButtonReply", &TQuorbelPrefs::ListReplyColor},
    {"ColorPickerButtonReplyText", &TQuorbelPrefs::ListReplyTextColor},
    {"ColorPickerButtonReplyTo", &TQuorbelPrefs::ListReplyToColor},
    {"ColorPickerButtonReplyToText", &TQuorbelPrefs::ListReplyToTextColor},
}};

QCheckBox* MakeCheck(TCheckBoxes& checks, const QString& name) {
    const auto binding = std::find_if(CheckBindings.begin(), CheckBindings.end(),
                                      [&](const TCheckBinding& b) { return name == b.Name; });
    auto* check = new QCheckBox(QString::fromUtf8(binding->Caption));
    check->setObjectName(name);
    checks.insert(name, check);
    return check;
}

QLineEdit* MakeEdit(const QString& name, bool password) {
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

QSpinBox* MakeSpin(const QString& name, int minimum, int maximum) {
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return spin;
}

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

void LayOutPage(QWidget* page, const QString& name, std::initializer_list<QWidget*> groups) {
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    for (QWidget* group : groups)
        layout->addWidget(group);
    layout->addStretch();
}
