#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class TCommandSet;

// The menus of the main window: "ファイル(&F)", "編集(&E)", "操作(&D)", "移動(&M)",
// "ヘルプ(&H)" and the context menu PopupMenuMain, made of the window's
// actions. A hidden entry holds its place with an invisible stand-in named
// after the menu ("MenuDirectMessage", "PopupMenuDestroy"), so that the
// command itself stays visible and keeps its shortcut.
class TMainMenus final : public QObject {
    Q_OBJECT
public:
    // The actions of the commands must exist.
    TMainMenus(QMenuBar& bar, TCommandSet& commands, QWidget* window);

    QMenu* PopupMenuMain() const { return Popup; }
    // Shows or hides the command's entries in every menu; the command keeps
    // working from its shortcut either way.
    void SetCommandShown(const QString& name, bool shown);

    // One entry of a menu table: a command, a hidden command, a separator or
    // a sub-menu.
    struct TEntry;

private:
    struct TEntrySlot {
        QMenu* Menu = nullptr;
        QString Command;
        QString StandInName;
        QAction* StandIn = nullptr;
        bool Shown = true;
    };

    void Fill(QMenu* menu, const QString& prefix, const QList<TEntry>& entries);
    QMenu* AddSubMenu(QMenu* menu, const QString& name, const QString& title,
                      const QStringList& commands);
    void Show(TEntrySlot& slot, bool shown);

    TCommandSet& Commands;
    QMenu* Popup = nullptr;
    QList<TEntrySlot> Slots;
};
