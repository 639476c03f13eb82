#pragma once

#include <QWidget>

#include "PrefsControls.h"

class QLabel;
class QLineEdit;

// The preferences page "Wassr": the account, and the service's address for
// a new user to sign up at.
class TAccountPage final : public QWidget {
public:
    explicit TAccountPage(TCheckBoxes& checks);

    QLineEdit* const EditUsername;
    QLineEdit* const EditPassword;
    QLabel* const LabelTwitterURL;
};
