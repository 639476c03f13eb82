#pragma once

#include <QWidget>

#include "PrefsControls.h"

class QLineEdit;
class QSpinBox;

// The preferences page "更新": the refresh period, and how statuses are
// fetched, sent and listed.
class TUpdatePage final : public QWidget {
public:
    explicit TUpdatePage(TCheckBoxes& checks);

    QSpinBox* const SpinEditInterval;
    // Carried through the dialog, never shown.
    QSpinBox* const SpinEditDMInterval;
    QLineEdit* const EditQuorbelMark;
};
