#pragma once

#include <QString>

class QWidget;

// The message boxes of the dialogs. Tests derive from it and record the boxes
// instead of showing them.
class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;

    // A modal box with the error icon and a single OK button.
    virtual void Error(QWidget* parent, const QString& title, const QString& text);
    // A modal Yes/No box with the question icon; true on Yes.
    virtual bool Question(QWidget* parent, const QString& title, const QString& text);
    // A modal box without icon and a single OK button.
    virtual void Message(QWidget* parent, const QString& title, const QString& text);
};
