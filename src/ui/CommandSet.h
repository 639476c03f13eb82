#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include "ShortcutEntry.h"

class QAction;
class QWidget;

// The window's commands (ActionListMain): actions made from the command
// table, window-wide shortcuts, and the shortcut file. Every command of the
// table keeps its entry, also before its action exists, so the shortcut file
// always lists all of them and an action made later takes the shortcut the
// file gave it.
class TCommandSet final : public QObject {
    Q_OBJECT
public:
    explicit TCommandSet(QWidget* window);

    // Makes the action of the named command with its current caption and
    // shortcut and adds it to the window; the existing one when made already.
    // Null for a name that is not in the table.
    QAction* Create(const QString& name);
    // The action of the command; null while it is not made.
    QAction* Action(const QString& name) const;

    // A caption that follows the settings (tab names); kept for the file too.
    void SetCaption(const QString& name, const QString& caption);

    // Gives the commands the shortcuts of the file; a missing file changes nothing.
    void ApplyShortcutFile(const QString& path);
    // Writes every command with its current caption and shortcut. Throws TWriteError.
    void WriteShortcutFile(const QString& path) const;
    // The commands in table order with their current captions and shortcuts.
    QList<TShortcutEntry> Entries() const;

private:
    int IndexOf(const QString& name) const;

    QWidget* Window;
    QList<TShortcutEntry> Table;
    QHash<QString, QAction*> Actions;
};
