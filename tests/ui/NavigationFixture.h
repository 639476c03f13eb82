#pragma once

#include <ostream>

#include <QAction>
#include <QStringList>

#include "RecordingOpener.h"
#include "WindowFixture.h"

class TStatusListView;

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A double-click as the window system delivers it: a click, then the second
// press as a double-click, then its release.
void DoubleClick(QWidget* widget, QPoint pos);
// A right click that asks for the context menu, as the window system does.
void RightClick(QWidget* widget, QPoint pos);

// The window over an account whose servers refuse at once, holding the six
// statuses of ui/navigation_timeline.json in its timeline (newest first):
// 0 taro (a reply to hanako with a web address), 1 hanako, 2 demo (the
// user's own), 3 taro, 4 jiro, 5 Taro. Row 0 is selected.
class TNavigationFixture : public TWindowFixture {
protected:
    void OpenWithRows(const QString& ini = {});
    // Merges the statuses of a file of tests/data into the timeline.
    void Merge(const QString& dataFile);

    TStatusListView* Timeline() const;
    QAction* Action(const QString& name) const;
    QString Shown(const char* control) const;
    // Lets the event loop go idle, so the availability pass runs.
    static void Settle() { RunEventLoop(10); }
    // Only the window's own handling counts: other handlers of the command
    // (confirmation boxes, requests) are taken off.
    QAction* Isolated(const QString& name) const;

    QStringList Opened;
};
