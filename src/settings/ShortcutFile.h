#pragma once

#include <QList>
#include <QString>

#include "ShortcutEntry.h"

// Writes the header, then per entry "; " + caption and name + "=" + shortcut
// text, all with CR LF, replacing the file atomically. Throws TWriteError.
void WriteShortcutFile(const QString& path, const QList<TShortcutEntry>& entries);

// Gives every entry whose name has a key in section "Shortcut" (any letter
// case) the shortcut of that value; an empty value removes the shortcut. Keys
// naming no entry are ignored; a missing file changes nothing.
void ApplyShortcutFile(const QString& path, QList<TShortcutEntry>& entries);
