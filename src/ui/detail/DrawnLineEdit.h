#pragma once

#include <QLineEdit>

#include "DrawnText.h"

// A read-only line that shows server text as DrawnText draws it, from its
// first character; copying its selection gives the stored characters (with
// standard emoji), also by the line's own copy key.
class TDrawnLineEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit TDrawnLineEdit(QWidget* parent = nullptr);

    // Replaces the text (as stored) and shows its start.
    void SetSourceText(const QString& text);
    // The selection as copying gives it; empty for none.
    QString SelectedCopyText() const;
    void CopySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TDrawnText Shown;
};
