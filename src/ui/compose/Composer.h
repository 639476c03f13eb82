#pragma once

#include <functional>

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "PostText.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCommandSet;
class TTwitterUpdate;
class TWindowHooks;

// The strip at the bottom of the main window in which the user writes a
// status and sends it (PanelBottom): the reply check box, the edit, the live
// length counter and the send button, with the reply target and the post
// history. Reply, Direct message and Add period fill the edit.
class TComposer final : public QWidget {
    Q_OBJECT
public:
    explicit TComposer(TWindowHooks& window, QWidget* parent = nullptr);

    QLineEdit* EditStatus() const { return FEditStatus; }
    const TPostHistory& PostHistory() const { return FPostHistory; }
    QString ReplyRid() const { return QString::fromUtf8(FReplyRid); }
    QString ReplyUserID() const { return FReplyUserID; }
    // Connects ActionReply, ActionDirectMessage and ActionAddPeriod.
    void ConnectCommands(TCommandSet& commands);
    // The default beep of the desktop unless replaced (tests record it).
    void SetBeep(std::function<void()> beep) { Beep = std::move(beep); }

    // Sends the text, or refreshes the timeline when the edit is empty.
    void ButtonUpdateClick();
    void PostStatus();
    void ActionReplyExecute();
    void ActionDirectMessageExecute();
    void ActionAddPeriodExecute();

    // Room for the check box's own caption and for the edit, the counter and
    // the button side by side.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditStatusChange();
    // True when the key was a send key and is used up.
    bool EditStatusKeyPress(const QKeyEvent& key);
    void EditStatusKeyDown(const QKeyEvent& key);
    void PostStatusDone(const TTwitterUpdate& worker, int outcome);
    void UpdateButtonState();
    void ResetReplyTarget();
    // Focus in the edit, the caret at the end, nothing selected.
    void FocusEditAtEnd();

    TWindowHooks& Window;
    std::function<void()> Beep;
    QCheckBox* CheckBoxRes;
    QLineEdit* FEditStatus;
    QLabel* LabelStatusLength;
    QPushButton* ButtonUpdate;
    QPalette CounterPalette;
    int ReplyCaptionWidth;

    QByteArray FReplyRid;
    QString FReplyUserID;
    TPostHistory FPostHistory;
};
