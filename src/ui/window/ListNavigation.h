#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QKeyEvent;
class QWidget;
class TDetailPane;
class TFormMain;
class TMainMenus;
class TPageControlList;
class TStatusListView;

// Tabs, mouse and keys of the fourteen lists: the move commands, double-click
// and Enter, the jumps between one author's rows, the single-letter commands,
// clicks on empty space, the context menu, and the availability pass that
// reads where the focus is.
class TListNavigation final : public QObject {
    Q_OBJECT
public:
    TListNavigation(TFormMain& form, TPageControlList& tabs, TDetailPane& pane, TMainMenus& menus);

    // Takes the keys, clicks and double-clicks of a status list as it is made.
    void AttachList(TStatusListView* list);

    // Makes sheet j the active one, also when its tab is hidden, gives its
    // list the focus and shows its row.
    void MoveToSheet(int j);
    // RefreshCommandStates: the commands' states for the current list and focus.
    void RefreshCommandStates();
    // The availability pass, then PopupMenuMain at the screen position.
    void Popup(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ListViewFriendsDblClick(const TStatusListView* list);
    // True when the key is consumed.
    bool ListViewFriendsKeyDown(QKeyEvent* event);
    bool ListViewFriendsKeyPress(const QKeyEvent* event);
    void ListViewFriendsClick(const TStatusListView* list);
    // Triggers the command when the availability pass leaves it enabled.
    void RunIfEnabled(const QString& name);
    QWidget* Field(QPointer<QWidget>& known, const QString& name) const;

    TFormMain& Form;
    TPageControlList& Tabs;
    TDetailPane& Pane;
    TMainMenus& Menus;
    QPointer<QWidget> EditStatus;
    QPointer<QWidget> EditSearch;
    QPointer<QWidget> ButtonSearch;
};
