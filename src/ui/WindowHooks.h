#pragma once

#include <functional>

#include <QString>

// The steps of the main window's own that the composer, the search tab and
// the command handlers run; the window fills them in when it makes its parts.
struct TWindowHooks {
    // Writes the first status-bar panel.
    std::function<void(const QString&)> ShowStatus;
    // Makes tab sheet j the active one and runs the tab change.
    std::function<void(int)> ShowSheet;
    // Runs the tab change for the active sheet: selects and shows its row.
    std::function<void()> TabChanged;
};
