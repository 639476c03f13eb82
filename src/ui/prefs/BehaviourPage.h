#pragma once

#include <QWidget>

#include "PrefsControls.h"

class QComboBox;

// The preferences page "動作": the window's behaviour and the list's keys and clicks.
class TBehaviourPage final : public QWidget {
public:
    explicit TBehaviourPage(TCheckBoxes& checks);

    QComboBox* const ComboBoxDubbleClick;
};
