#pragma once

#include <QStringList>
#include <QWidget>

#include "PrefsControls.h"

class QComboBox;

// The preferences page "通知": the balloon, the sounds and the tray icon.
class TNotifyPage final : public QWidget {
public:
    // soundFolders: the folders whose sub-folders are the sound sets offered.
    TNotifyPage(TCheckBoxes& checks, const QStringList& soundFolders);

    QComboBox* const ComboBoxSoundSet;
};
