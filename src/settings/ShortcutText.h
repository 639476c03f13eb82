#pragma once

#include <QKeyCombination>
#include <QString>

// Shortcut text as the shortcut file keeps it: "Shift+", "Ctrl+", "Alt+" (and
// "Meta+") in this order, then the key name: "A".."Z", "0".."9", "F1".."F35",
// "BkSp", "Tab", "Esc", "Enter", "Space", "PgUp", "PgDn", "End", "Home",
// "Left", "Up", "Right", "Down", "Ins", "Del"; any other key by its Qt name
// without "Key_" ("Print", "VolumeUp", "NumEnter" for the keypad Enter), or
// "U+" and the hex code for a key Qt has no name for.

// Empty for no shortcut (Qt::Key_unknown or a modifier key alone). The keypad
// flag is dropped: a keypad digit is written like the digit.
QString ShortcutToText(QKeyCombination shortcut);

// Modifier prefixes ("Shift+", "Ctrl+" or "^", "Alt+", "Meta+") come off the
// front in any order and letter case; the rest must name a key (exact case
// first, then any case). Qt::Key_unknown when it names none or is empty.
QKeyCombination ShortcutFromText(const QString& text);
