#pragma once

#include <QJsonArray>
#include <QList>
#include <QStringList>

#include "MessageBoxes.h"
#include "RecordingOpener.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

class QAction;
class QLineEdit;
class TComposer;
class TStatusListView;

// Message boxes that record what they would show; a question gets Answer.
class TRecordingBoxes final : public TMessageBoxes {
public:
    struct TBox {
        QString Kind; // "error", "question" or "message"
        QString Title;
        QString Text;
    };

    explicit TRecordingBoxes(QList<TBox>& shown) : Shown(shown) {}
    void Error(QWidget*, const QString& title, const QString& text) override {
        Shown.append({QStringLiteral("error"), title, text});
    }
    bool Question(QWidget*, const QString& title, const QString& text) override {
        Shown.append({QStringLiteral("question"), title, text});
        return Answer;
    }
    void Message(QWidget*, const QString& title, const QString& text) override {
        Shown.append({QStringLiteral("message"), title, text});
    }

    bool Answer = true;

private:
    QList<TBox>& Shown;
};

// A browser that records the addresses it is handed.
// The main window against a quiet wassrd whose timeline holds the statuses the
// test posted before opening, with recording message boxes, browser and beep.
class TComposeFixture : public TWindowFixture {
protected:
    // Opens the window with the account of the server and the extra INI
    // lines, and waits for the start-up fetches.
    void OpenWindow(const QString& extraIni = {});
    // Adds a status to the server; before OpenWindow it is in the first fetch.
    void AddStatus(const QString& user, const QString& text, const QString& replyTo = {});

    TComposer& Composer() const;
    QLineEdit* EditStatus() const;
    QLineEdit* EditSearch() const;
    QAction* Action(const QString& name) const;
    // The row of list j whose status text is text; -1 when none.
    int RowOf(int j, const QString& text) const;
    // The user clicks the tab of sheet j.
    void ClickTab(int j) const;
    // Selects the row on the active list and gives the list the focus, as a click does.
    void SelectStatus(const QString& text) const;
    // The user presses the keys as on a keyboard: the modifiers go down
    // first and come up again, so the physical state is clean afterwards.
    void Hit(QKeyCombination keys) const;
    // Types the text into the widget key by key, Japanese and emoji included.
    static void Type(QWidget* widget, const QString& text);
    // The idle pass, which decides what the shortcuts may run.
    void Refresh() const;
    // The requests to a path that wassrd saw, oldest first.
    QJsonArray RequestsTo(const QString& pathStart) const;

    TWassrdServer Server;
    TRecordingBoxes* Boxes = nullptr; // owned by the window's item commands
    QList<TRecordingBoxes::TBox> Shown;
    QStringList Opened; // addresses handed to the browser
    int Beeps = 0;
};
