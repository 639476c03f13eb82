#pragma once

#include <QKeyCombination>
#include <QString>

// One command line of the shortcut file: the command, its current caption and
// its shortcut (Qt::Key_unknown for none).
struct TShortcutEntry {
    QString Name;
    QString Caption;
    QKeyCombination Shortcut = Qt::Key_unknown;

    bool operator==(const TShortcutEntry&) const = default;
};
