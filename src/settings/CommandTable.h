#pragma once

#include <array>

#include <QList>
#include <QString>

#include "ShortcutEntry.h"

inline constexpr int CommandCount = 62;

// A command of the main window as the shortcut file lists it. DefaultShortcut
// is shortcut text ("Ctrl+R", "Shift+Ctrl+T"), empty for none.
struct TCommandInfo {
    QString Name;
    QString Caption;
    QString DefaultShortcut;
};

// The commands in the order of the shortcut file, with their built-in
// captions and shortcuts.
const std::array<TCommandInfo, CommandCount>& CommandTable();

// The table as shortcut entries holding the built-in shortcuts.
QList<TShortcutEntry> DefaultShortcutEntries();
