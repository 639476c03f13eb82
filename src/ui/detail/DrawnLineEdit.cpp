#include "DrawnLineEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

TDrawnLineEdit::TDrawnLineEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

void TDrawnLineEdit::SetSourceText(const QString& text) {
    Shown = TDrawnText(text);
    setText(Shown.Text());
    // A name wider than the line shows its start, not its end.
    setCursorPosition(0);
}

QString TDrawnLineEdit::SelectedCopyText() const {
    if (!hasSelectedText())
        return {};
    return Shown.CopyText(selectionStart(), selectionEnd());
}

void TDrawnLineEdit::CopySelection() const {
    if (hasSelectedText())
        QGuiApplication::clipboard()->setText(SelectedCopyText());
}

void TDrawnLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        CopySelection();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
