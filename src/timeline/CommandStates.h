#pragma once

#include <QHash>
#include <QString>

#include "QuorbelItem.h"
#include "QuorbelPrefs.h"

// Where the keyboard focus is, as far as the availability of commands cares.
enum class TCommandFocus {
    None,      // anywhere else: the tab strip, a button, another window
    List,      // the current list
    TextField, // EditName, RichEditText, EditStatus or EditSearch
};

// What the availability pass reads from the window.
struct TCommandContext {
    TCommandFocus Focus = TCommandFocus::None;
    bool TextSelected = false;              // the focused text field has selected text
    int RowCount = 0;                       // rows of the current list
    const TQuorbelItem* Selected = nullptr; // record of its selected row, null for none
    QString StatusText{};                   // EditStatus
    QString SearchText{};                   // EditSearch
};

// Enabled state by object name: the actions of the command table, and the
// menu entries and the button whose state the pass sets besides.
using TCommandStates = QHash<QString, bool>;

// The context-menu entry of ActionProperty.
inline const QString PopupMenuPropertyName = QStringLiteral("PopupMenuProperty");
// The sub-menus "選択文字列を検索(&X)" of the menu "編集(&E)" and of PopupMenuMain.
inline const QString MenuSearchSelectionName = QStringLiteral("MenuSearchSelection");
inline const QString PopupMenuSearchSelectionName = QStringLiteral("PopupMenuSearchSelection");
inline const QString ButtonSearchName = QStringLiteral("ButtonSearch");

// Every entry enabled: the state at window creation.
TCommandStates InitialCommandStates();

// The availability pass. Entries it does not decide for the current focus keep
// their previous state: the favourite-ID add commands and the remove commands
// 1 to 4 keep the state they had when the list last had the focus.
TCommandStates ComputeCommandStates(const TCommandContext& context, const TQuorbelPrefs& prefs,
                                    const TCommandStates& previous);

// The item count of the status bar: "25 アイテム".
QString ItemCountText(int rows);
