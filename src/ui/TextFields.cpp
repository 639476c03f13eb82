#include "TextFields.h"

#include <QLineEdit>
#include <QTextEdit>

QWidget* FocusedTextField(const QWidget& window) {
    for (const QString& name : TextFieldNames) {
        auto* field = window.findChild<QWidget*>(name);
        if (field && field->hasFocus())
            return field;
    }
    return nullptr;
}

QString SelectedText(const QWidget* field) {
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
    if (auto* line = qobject_cast<QLineEdit*>(field))
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
