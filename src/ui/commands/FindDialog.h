#pragma once

#include <QDialog>

#include "Search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless find dialog (FindDialogMain): the text, match case, the
// direction (down when first opened) and "次を検索", which asks the window to
// move the selection to the next row that holds the text.
class TFindDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    TFindOptions Options() const;

signals:
    // A press of "次を検索".
    void FindNext(const TFindOptions& options);

private:
    QLineEdit* EditFindText;
    QCheckBox* CheckBoxMatchCase;
    QRadioButton* RadioButtonUp;
    QRadioButton* RadioButtonDown;
    QPushButton* ButtonFindNext;
};
