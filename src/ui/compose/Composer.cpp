#include "Composer.h"

#include <algorithm>
#include <system_error>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>

#include "CommandSet.h"
#include "DrawnText.h"
#include "QuorbelPrefs.h"
#include "RequestSettings.h"
#include "RequestTexts.h"
#include "StatusListView.h"
#include "TwitterUpdate.h"
#include "WindowHooks.h"

namespace {

constexpr int PanelHeight = 50;
constexpr int CheckBoxWidth = 333;
constexpr int ButtonGap = 8;  // from the button to the right edge
constexpr int CounterGap = 6; // from the counter to the button
constexpr int EditGap = 32;   // from the edit to the button, room for the counter
const QString ReplyCaption = QStringLiteral("発言へのレス");

// Ctrl as the keyboard has it now, not as the last event said.
bool CtrlKeyDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TComposer::TComposer(TWindowHooks& window, QWidget* parent)
    : QWidget(parent), Window(window), Beep([] { QApplication::beep(); }),
      CheckBoxRes(new QCheckBox(ReplyCaption, this)), FEditStatus(new QLineEdit(this)),
      LabelStatusLength(new QLabel(QStringLiteral("0"), this)),
      ButtonUpdate(new QPushButton(QStringLiteral("更新"), this)) {
    setObjectName(QStringLiteral("PanelBottom"));
    setFixedHeight(PanelHeight);
    CheckBoxRes->setObjectName(QStringLiteral("CheckBoxRes"));
    CheckBoxRes->setGeometry(8, 0, CheckBoxWidth, 17);
    ReplyCaptionWidth = CheckBoxRes->sizeHint().width();
    FEditStatus->setObjectName(QStringLiteral("EditStatus"));
    FEditStatus->setGeometry(8, 24, 257, 20);
    FEditStatus->installEventFilter(this);
    LabelStatusLength->setObjectName(QStringLiteral("LabelStatusLength"));
    LabelStatusLength->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Bottom at 41 as designed, tall enough for the font in use.
    const int counterHeight = std::max(12, LabelStatusLength->fontMetrics().height());
    LabelStatusLength->setGeometry(268, 41 - counterHeight, 23, counterHeight);
    CounterPalette = LabelStatusLength->palette();
    ButtonUpdate->setObjectName(QStringLiteral("ButtonUpdate"));
    ButtonUpdate->setGeometry(297, 24, 45, 21);
    ButtonUpdate->setFocusPolicy(Qt::TabFocus);

    FEditStatus->setAccessibleName(QStringLiteral("ヒトコトの入力"));
    connect(FEditStatus, &QLineEdit::textChanged, this, &TComposer::EditStatusChange);
    connect(ButtonUpdate, &QPushButton::clicked, this, &TComposer::ButtonUpdateClick);
}

void TComposer::ConnectCommands(TCommandSet& commands) {
    connect(commands.Create(QStringLiteral("ActionReply")), &QAction::triggered, this,
            &TComposer::ActionReplyExecute);
    connect(commands.Create(QStringLiteral("ActionDirectMessage")), &QAction::triggered, this,
            &TComposer::ActionDirectMessageExecute);
    connect(commands.Create(QStringLiteral("ActionAddPeriod")), &QAction::triggered, this,
            &TComposer::ActionAddPeriodExecute);
}

QSize TComposer::minimumSizeHint() const {
    const int captionRow = CheckBoxRes->x() + ReplyCaptionWidth + ButtonGap;
    const int editRow = FEditStatus->x() + FEditStatus->minimumSizeHint().width() + EditGap +
                        ButtonUpdate->width() + ButtonGap;
    return {std::max(captionRow, editRow), PanelHeight};
}

void TComposer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The check box ends where the button does, also in a narrow window.
    CheckBoxRes->resize(std::min(CheckBoxWidth, width() - CheckBoxRes->x() - ButtonGap),
                        CheckBoxRes->height());
    const int buttonLeft = width() - ButtonUpdate->width() - ButtonGap;
    ButtonUpdate->move(buttonLeft, ButtonUpdate->y());
    LabelStatusLength->move(buttonLeft - LabelStatusLength->width() - CounterGap,
                            LabelStatusLength->y());
    FEditStatus->resize(std::max(0, buttonLeft - FEditStatus->x() - EditGap),
                        FEditStatus->height());
}

bool TComposer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FEditStatus || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (EditStatusKeyPress(key))
        return true;
    EditStatusKeyDown(key);
    return false;
}

void TComposer::EditStatusChange() {
    const QString& text = FEditStatus->text();
    LabelStatusLength->setText(QString::number(text.size()));
    QPalette colors = CounterPalette;
    if (IsStatusTooLong(text)) {
        colors.setColor(QPalette::WindowText, QColor(255, 0, 0));
        Beep();
    }
    if (LabelStatusLength->palette() != colors)
        LabelStatusLength->setPalette(colors);
    UpdateButtonState();
}

void TComposer::UpdateButtonState() {
    // A text that is too long is never sent, also not after a post re-enabled the button.
    ButtonUpdate->setEnabled(FEditStatus->isEnabled() && !IsStatusTooLong(FEditStatus->text()));
}

bool TComposer::EditStatusKeyPress(const QKeyEvent& key) {
    if (!IsEnterKey(key.key()))
        return false;
    // Ctrl+Enter sends when UpdateWithCTRL is on, a plain Enter when it is off.
    const bool ctrlEnter = key.modifiers().testFlag(Qt::ControlModifier);
    const bool send = Window.Prefs().UpdateWithCTRL ? ctrlEnter && CtrlKeyDown() : !ctrlEnter;
    if (!send)
        return false;
    if (ButtonUpdate->isEnabled())
        ButtonUpdateClick();
    return true;
}

void TComposer::EditStatusKeyDown(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier ||
        QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    std::optional<THistoryStep> step;
    if (key.key() == Qt::Key_Up)
        step = FPostHistory.Older(FEditStatus->text());
    else if (key.key() == Qt::Key_Down)
        step = FPostHistory.Newer(FEditStatus->text());
    if (!step)
        return;
    FEditStatus->setText(step->Text);
    FEditStatus->setCursorPosition(step->CaretAtEnd ? int(step->Text.size()) : 0);
}

void TComposer::ButtonUpdateClick() {
    if (FEditStatus->text().isEmpty())
        Window.StartFriendsFetch(0);
    else
        PostStatus();
}

void TComposer::PostStatus() {
    const TQuorbelPrefs& prefs = Window.Prefs();
    if (prefs.Username.isEmpty() || prefs.Password.isEmpty())
        return;
    if (prefs.EnableUpdateBlock) {
        FEditStatus->setEnabled(false);
        ButtonUpdate->setEnabled(false);
    }
    Window.ShowStatus(PostRequestTexts.Start);
    const QString text = FEditStatus->text();
    auto* worker = new TTwitterUpdate(TRequestSettings::FromPrefs(prefs));
    worker->Status = PostStatusField(text, prefs);
    worker->RawText = text;
    worker->ReplyStatusRid = CheckBoxRes->isChecked() ? FReplyRid : QByteArray();
    worker->OnResult = [this](const TTwitterUpdate& done, int outcome) {
        PostStatusDone(done, outcome);
    };
    worker->Receiver = this;
    try {
        worker->Start();
    } catch (const std::system_error&) {
        // No thread for the request (the worker is gone already): the text stays.
        Window.ShowStatus(PostRequestTexts.Error);
        FEditStatus->setEnabled(true);
        UpdateButtonState();
    }
}

void TComposer::PostStatusDone(const TTwitterUpdate& worker, int outcome) {
    if (const std::optional<QString> text = PostRequestTexts.ForOutcome(outcome))
        Window.ShowStatus(*text);
    if (outcome == OutcomeDone) {
        FPostHistory.Add(worker.RawText);
        // A text typed while the post ran stays.
        if (FEditStatus->text() == worker.RawText)
            FEditStatus->clear();
        ResetReplyTarget();
        if (Window.Prefs().EnableUpdateReload)
            Window.StartFriendsFetch(2);
    }
    FEditStatus->setEnabled(true);
    FEditStatus->setFocus();
    UpdateButtonState();
}

void TComposer::ResetReplyTarget() {
    FReplyRid.clear();
    FReplyUserID.clear();
    CheckBoxRes->setText(ReplyCaption);
    CheckBoxRes->setToolTip(QString());
    CheckBoxRes->setChecked(false);
}

void TComposer::FocusEditAtEnd() {
    FEditStatus->setFocus();
    FEditStatus->deselect();
    FEditStatus->end(false);
}

void TComposer::ActionReplyExecute() {
    const TStatusListView* list = Window.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    if (!FEditStatus->isEnabled() || !row || !row->Item)
        return;
    const TQuorbelItem& item = *row->Item;
    if (item.IsMessage) {
        FEditStatus->setText(DirectMessageText(item));
    } else {
        const bool enableHeart = Window.Prefs().EnableHeart;
        FEditStatus->setText(ReplyEditText(FEditStatus->text(), item, CtrlKeyDown(),
                                           row->StateIndex == StateHeart, enableHeart));
        FReplyRid = item.Rid;
        FReplyUserID = item.UserID;
        CheckBoxRes->setText(ReplyCaption + QStringLiteral(" @") + DrawnText(FReplyUserID));
        // Shown as the text it is, never as markup.
        CheckBoxRes->setToolTip(Qt::convertFromPlainText(DrawnText(item.Text)));
        CheckBoxRes->setChecked(true);
    }
    FocusEditAtEnd();
}

void TComposer::ActionDirectMessageExecute() {
    const TStatusListView* list = Window.ActiveListView();
    const TListRow* row = list ? list->SelectedRow() : nullptr;
    if (!FEditStatus->isEnabled() || !row || !row->Item)
        return;
    FEditStatus->setText(DirectMessageText(*row->Item));
    FocusEditAtEnd();
}

void TComposer::ActionAddPeriodExecute() {
    if (!FEditStatus->text().startsWith(u'.'))
        FEditStatus->setText(u'.' + FEditStatus->text());
}
