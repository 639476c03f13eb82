#pragma once

#include <memory>

#include <QList>
#include <QObject>
#include <QStringList>

#include "TabOrderList.h"

class QTimer;
class TDetailPane;
class TMessageBoxes;
class TPageControlList;
class TQuorbelPrefs;
class TTrayIcon;
class TWindowHooks;

// The preferences command (ActionExecutePrefs): opens the dialog filled from
// the settings and, when the user confirms, takes the dialog's values into the
// settings step by step, writes the word and ID list files and re-applies to
// the window what can change while the program runs. The settings file itself
// is written only when the program ends.
class TPrefsCommand final : public QObject {
    Q_OBJECT
public:
    // The parts of the window the command changes besides the settings.
    struct TWindowParts {
        TPageControlList& Tabs;
        TDetailPane& Detail;
        QTimer& TimerMain;
        QTimer& TimerDM;
        TTrayIcon& Tray;
        QStringList SoundFolders; // hold the sound sets the dialog offers
    };

    TPrefsCommand(TWindowHooks& window, TWindowParts parts);
    ~TPrefsCommand() override;

    // Where the failure to write a list file is told; real message boxes
    // unless replaced.
    void SetMessageBoxes(std::unique_ptr<TMessageBoxes> boxes);

    // Runs the command. In first-run mode the dialog shows only the account
    // page and only the account is taken; the caller applies the rest.
    void Execute(bool firstRunMode = false);

    // Sorts every list again, newest first (last with ReverseSort).
    void ResortAllLists();

private:
    // The window's tabs in their display order, hidden ones included.
    QList<TTabRow> TabRows() const;
    // The confirmed dialog values, taken and applied in their order. Throws
    // TWriteError when a list file cannot be written; what was taken before
    // stays, the rest keeps its old value.
    void Apply(const TQuorbelPrefs& chosen);

    TWindowHooks& Window;
    TWindowParts Parts;
    std::unique_ptr<TMessageBoxes> Boxes;
};
