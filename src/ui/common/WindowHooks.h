#pragma once

#include <QString>

class QWidget;
class TCommandSet;
class TQuorbelPrefs;
class TStatusListView;
class TStatusLists;
class TUrlOpener;

// What the window's parts (the composer, the search tab, the command
// handlers, the preferences command) use of the main window. The window
// implements it, so no part depends on the window's own class.
class TWindowHooks {
public:
    // The main window: the parent of the parts' dialogs and objects.
    virtual QWidget& Widget() = 0;
    virtual TQuorbelPrefs& Prefs() = 0;
    virtual TStatusLists& Lists() = 0;
    virtual TCommandSet& Commands() = 0;
    // The list of tab j, made when first asked for.
    virtual TStatusListView* ListView(int j) = 0;
    // The list of the active tab; null when no tab is active.
    virtual TStatusListView* ActiveListView() = 0;
    // Hands web addresses to the browser.
    virtual TUrlOpener& UrlOpener() const = 0;
    // "Quorbel Ver0.52", after the user name and " - " when ShowUsername is on.
    virtual QString Caption() const = 0;

    // Writes the first status-bar panel.
    virtual void ShowStatus(const QString& text) = 0;
    // Makes tab sheet j the active one and runs the tab change.
    virtual void ShowSheet(int j) = 0;
    // The tab change for the active sheet: shows its selected row, after
    // selecting the newest row of a list without selection; an empty list
    // blanks the detail pane.
    virtual void PageControlListChange() = 0;
    // Fetches the timeline after delay seconds; nothing while the account is incomplete.
    virtual void StartFriendsFetch(int delay) = 0;

    // The settings that change how the window looks, applied again.
    virtual void ApplyListFont() = 0;
    virtual void ApplyPanelLayout() = 0;
    virtual void ApplyIDColumnWidth() = 0;
    virtual void ApplyTabSettings() = 0;

protected:
    ~TWindowHooks() = default;
};
