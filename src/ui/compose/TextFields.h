#pragma once

#include <array>

#include <QString>

class QWidget;

// The window's text fields that copy, select-all and the selection searches
// act on, in the order in which they are asked for the focus.
inline const std::array<QString, 4> TextFieldNames = {
    QStringLiteral("EditName"), QStringLiteral("RichEditText"), QStringLiteral("EditStatus"),
    QStringLiteral("EditSearch")};

// The first of those fields of the window that has the keyboard focus; null for none.
QWidget* FocusedTextField(const QWidget& window);
// The selected text of a line edit or text box (line breaks as "\n"); empty for none.
QString SelectedText(const QWidget* field);
// The field's own copy and select-all.
void CopySelection(QWidget* field);
void SelectAllText(QWidget* field);
