#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include "CommandStates.h"
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
    // Makes the actions of every command of the table.
    void CreateAll();
    // The action of the command; null while it is not made.
    QAction* Action(const QString& name) const;

    // A menu entry or a button whose enabled state the availability pass
    // sets under the name, besides the actions. It takes the last state at once.
    void AddStateTarget(const QString& name, QObject* target);
    // The availability pass: only what changed since the last pass is
    // touched, since every write would wake the idle event loop again.
    void RefreshStates(const TCommandContext& context, const TQuorbelPrefs& prefs);
    const TCommandStates& States() const { return LastStates; }

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
    void SetEnabled(const QString& name, bool enabled);

    QWidget* Window;
    QList<TShortcutEntry> Table;
    QHash<QString, QAction*> Actions;
    QHash<QString, QPointer<QObject>> StateTargets;
    TCommandStates LastStates = InitialCommandStates();
};
