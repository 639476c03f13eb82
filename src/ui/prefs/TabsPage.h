#pragma once

#include <QWidget>

#include "PrefsControls.h"

class TTabOrderList;

// The preferences page "タブ": which tabs are shown in which order, and how the strip looks.
class TTabsPage final : public QWidget {
public:
    explicit TTabsPage(TCheckBoxes& checks);

    TTabOrderList* const CheckListBoxTabs;
};
