#pragma once

#include <QWidget>

#include "ListRow.h"

class QLabel;
class QLineEdit;
class QTextEdit;

// The detail pane above the lists (PanelDetail): the author line, the date
// and the whole text of the selected status, and room for the author's icon.
class TDetailPane final : public QWidget {
    Q_OBJECT
public:
    explicit TDetailPane(QWidget* parent = nullptr);

    // Shows the row: caption, then the record's screen name, date and text.
    void ShowRow(const TListRow& row);
    // The blank state.
    void Clear();
    void SetIconVisible(bool visible);
    void SetFontFace(const QString& face);

private:
    QWidget* PanelIcon;
    QLineEdit* EditName;
    QLabel* LabelDateTime;
    QTextEdit* RichEditText;
};
