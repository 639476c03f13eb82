#pragma once

#include <QTextEdit>

#include "DrawnText.h"
#include "LinkFinder.h"

// The whole text of the selected status (RichEditText): read-only plain text
// whose mentions and web addresses are drawn underlined in the palette's link
// colour. The pointer turns into a hand over a link; a double-click with the
// left button opens it, a single click does nothing. A double-click leaves no
// selection behind.
// The text is drawn as DrawnText draws it; links are found in the stored text,
// and copying gives the stored characters (with standard emoji), so neither
// depends on what drawing changed.
class TRichEditText final : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEditText(QWidget* parent = nullptr);

    // Replaces the text (as stored) and draws its links.
    void SetText(const QString& text);
    // Draws the links of the current text, and puts the caret at the start.
    void HighlightLinks();

    // The drawn text as positions count it: one character per line break.
    QString Text() const;
    // The selection as copying gives it; empty for none.
    QString SelectedCopyText() const;
    // 1-based position of the character nearest to the point (viewport
    // coordinates); 0 when the text is empty.
    qsizetype PositionAt(QPoint point) const;
    TLinkHit UrlAt(QPoint point) const;
    TLinkHit UserIdAt(QPoint point) const;

signals:
    // A double-click on a web address, or on a mention (the ID without "@").
    void UrlOpened(const QString& url);
    void UserOpened(const QString& userId);

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void PlaceCaret(qsizetype position);
    // A link found in the stored text, with its start where it is drawn.
    TLinkHit Drawn(TLinkHit hit) const;
    // The stored 1-based position of the character under the point.
    qsizetype SourcePositionAt(QPoint point) const;

    TDrawnText Shown;

    Qt::CursorShape TextCursorShape = Qt::IBeamCursor;
};
