#include "CommandSet.h"

#include <QAction>
#include <QWidget>

#include "CommandTable.h"
#include "ShortcutFile.h"

namespace {

QKeySequence ToKeySequence(QKeyCombination shortcut) {
    return shortcut.key() == Qt::Key_unknown ? QKeySequence() : QKeySequence(shortcut);
}

} // namespace

TCommandSet::TCommandSet(QWidget* window)
    : QObject(window), Window(window), Table(DefaultShortcutEntries()) {}

int TCommandSet::IndexOf(const QString& name) const {
    for (int i = 0; i < Table.size(); ++i) {
        if (Table[i].Name == name)
            return i;
    }
    return -1;
}

QAction* TCommandSet::Create(const QString& name) {
    if (QAction* made = Action(name))
        return made;
    const int i = IndexOf(name);
    if (i < 0)
        return nullptr;
    auto* action = new QAction(Table[i].Caption, Window);
    action->setObjectName(name);
    action->setShortcut(ToKeySequence(Table[i].Shortcut));
    action->setShortcutContext(Qt::WindowShortcut);
    Window->addAction(action);
    Actions.insert(name, action);
    return action;
}

void TCommandSet::CreateAll() {
    for (const TShortcutEntry& entry : std::as_const(Table))
        Create(entry.Name);
}

QAction* TCommandSet::Action(const QString& name) const {
    return Actions.value(name);
}

void TCommandSet::AddStateTarget(const QString& name, QObject* target) {
    StateTargets.insert(name, target);
    SetEnabled(name, LastStates.value(name, true));
}

void TCommandSet::RefreshStates(const TCommandContext& context, const TQuorbelPrefs& prefs) {
    TCommandStates states = ComputeCommandStates(context, prefs, LastStates);
    for (auto state = states.cbegin(); state != states.cend(); ++state) {
        if (LastStates.value(state.key()) != state.value())
            SetEnabled(state.key(), state.value());
    }
    LastStates = std::move(states);
}

void TCommandSet::SetEnabled(const QString& name, bool enabled) {
    QObject* target = Action(name);
    if (!target)
        target = StateTargets.value(name);
    if (auto* action = qobject_cast<QAction*>(target)) {
        if (action->isEnabled() != enabled)
            action->setEnabled(enabled);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        // Its own state, not the one it takes from a disabled parent.
        if (widget->testAttribute(Qt::WA_Disabled) == enabled)
            widget->setEnabled(enabled);
    }
}

void TCommandSet::SetCaption(const QString& name, const QString& caption) {
    const int i = IndexOf(name);
    if (i >= 0)
        Table[i].Caption = caption;
    if (QAction* action = Action(name); action && action->text() != caption)
        action->setText(caption);
}

void TCommandSet::ApplyShortcutFile(const QString& path) {
    ::ApplyShortcutFile(path, Table);
    for (const TShortcutEntry& entry : std::as_const(Table)) {
        if (QAction* action = Action(entry.Name))
            action->setShortcut(ToKeySequence(entry.Shortcut));
    }
}

QList<TShortcutEntry> TCommandSet::Entries() const {
    QList<TShortcutEntry> entries = Table;
    for (TShortcutEntry& entry : entries) {
        if (const QAction* action = Action(entry.Name)) {
            entry.Caption = action->text();
            const QKeySequence shortcut = action->shortcut();
            entry.Shortcut = shortcut.isEmpty() ? QKeyCombination(Qt::Key_unknown) : shortcut[0];
        }
    }
    return entries;
}

void TCommandSet::WriteShortcutFile(const QString& path) const {
    ::WriteShortcutFile(path, Entries());
}
