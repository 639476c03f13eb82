#include "TextFields.h"

#include <QLineEdit>
#include <QTextEdit>

#include "DrawnLineEdit.h"
#include "RichEditText.h"

QWidget* FocusedTextField(const QWidget& window) {
    for (const QString& name : TextFieldNames) {
        auto* field = window.findChild<QWidget*>(name);
        if (field && field->hasFocus())
            return field;
    }
    return nullptr;
}

QString SelectedText(const QWidget* field) {
    // The detail pane's fields give what is stored, not what is drawn.
    if (const auto* name = qobject_cast<const TDrawnLineEdit*>(field))
        return name->SelectedCopyText();
    if (const auto* text = qobject_cast<const TRichEditText*>(field))
        return text->SelectedCopyText();
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return line->selectedText();
    if (const auto* box = qobject_cast<const QTextEdit*>(field)) {
        QString text = box->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        return text;
    }
    return {};
}

void CopySelection(QWidget* field) {
    if (const auto* name = qobject_cast<const TDrawnLineEdit*>(field))
        name->CopySelection();
    else if (auto* line = qobject_cast<QLineEdit*>(field))
        line->copy();
    else if (auto* box = qobject_cast<QTextEdit*>(field))
        box->copy();
}

void SelectAllText(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
    else if (auto* box = qobject_cast<QTextEdit*>(field))
        box->selectAll();
}
