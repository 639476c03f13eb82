#pragma once

#include <QHash>
#include <QWidget>

#include "PrefsControls.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TColorPickerButton;

// The preferences page "表示": the list font with its preview, the colours of
// the rows that belong to the selected user, the panel layout and the ID
// column's width.
class TDisplayPage final : public QWidget {
public:
    TDisplayPage();

    QLabel* const LabelFont;
    QPushButton* const ButtonFont;
    QPushButton* const ButtonDefault;
    // By the names in ColorBindings.
    QHash<QString, TColorPickerButton*> ColorPickers;
    QComboBox* const ComboBoxPanelLayout;
    QSpinBox* const SpinEditIDWidth;
};
