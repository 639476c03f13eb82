#include "RichEditText.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Links take the palette's link colour, so a dark palette keeps them readable.
QTextCharFormat LinkFormat(const QPalette& palette) {
    QTextCharFormat format;
    format.setForeground(palette.color(QPalette::Link));
    format.setFontUnderline(true);
    return format;
}

} // namespace

TRichEditText::TRichEditText(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("RichEditText"));
    setReadOnly(true);
    setAcceptRichText(false);
    setFrameShape(QFrame::NoFrame);
    document()->setUndoRedoEnabled(false);
    viewport()->setMouseTracking(true);
    TextCursorShape = viewport()->cursor().shape();
}

void TRichEditText::SetText(const QString& text) {
    Shown = TDrawnText(text);
    setPlainText(Shown.Text());
    HighlightLinks();
}

QString TRichEditText::Text() const {
    return document()->toRawText();
}

QString TRichEditText::SelectedCopyText() const {
    const QTextCursor selection = textCursor();
    return Shown.CopyText(selection.selectionStart(), selection.selectionEnd());
}

QMimeData* TRichEditText::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(SelectedCopyText());
    return data;
}

void TRichEditText::HighlightLinks() {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(QTextCharFormat());
    const QTextCharFormat link = LinkFormat(palette());
    for (const TTextRange& range : HighlightLinkRanges(Shown.Source())) {
        cursor.setPosition(int(Shown.DrawnPosition(range.Start)));
        cursor.setPosition(int(Shown.DrawnPosition(range.Start + range.Length)),
                           QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(link);
    }
    cursor.endEditBlock();
    PlaceCaret(0);
}

qsizetype TRichEditText::PositionAt(QPoint point) const {
    const QTextDocument* doc = document();
    if (doc->isEmpty())
        return 0;
    const QPointF at(point.x() + horizontalScrollBar()->value(),
                     point.y() + verticalScrollBar()->value());
    const int hit = doc->documentLayout()->hitTest(at, Qt::FuzzyHit);
    const QTextBlock block = doc->findBlock(std::max(hit, 0));
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return block.position() + 1;
    const QPointF local = at - doc->documentLayout()->blockBoundingRect(block).topLeft();
    // The line under the point, or the nearest one above or below.
    QTextLine line = layout->lineAt(layout->lineCount() - 1);
    for (int i = 0; i < layout->lineCount(); ++i) {
        if (local.y() < layout->lineAt(i).rect().bottom()) {
            line = layout->lineAt(i);
            break;
        }
    }
    // Past the end of a line its last character is the nearest one.
    const int last = std::max(line.textStart(), line.textStart() + line.textLength() - 1);
    const int column =
        std::clamp(line.xToCursor(local.x(), QTextLine::CursorOnCharacter), line.textStart(), last);
    return block.position() + column + 1;
}

qsizetype TRichEditText::SourcePositionAt(QPoint point) const {
    const qsizetype p = PositionAt(point);
    return p == 0 ? 0 : Shown.SourcePosition(p - 1) + 1;
}

TLinkHit TRichEditText::Drawn(TLinkHit hit) const {
    if (hit.Found())
        hit.Start = Shown.DrawnPosition(hit.Start);
    return hit;
}

TLinkHit TRichEditText::UrlAt(QPoint point) const {
    return Drawn(UrlAtPosition(Shown.Source(), SourcePositionAt(point)));
}

TLinkHit TRichEditText::UserIdAt(QPoint point) const {
    return Drawn(UserIdAtPosition(Shown.Source(), SourcePositionAt(point)));
}

void TRichEditText::changeEvent(QEvent* event) {
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        HighlightLinks();
}

void TRichEditText::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    const QPoint point = event->position().toPoint();
    const bool overLink = UrlAt(point).Found() || UserIdAt(point).Found();
    const Qt::CursorShape shape = overLink ? Qt::PointingHandCursor : TextCursorShape;
    if (viewport()->cursor().shape() != shape)
        viewport()->setCursor(shape);
}

void TRichEditText::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    if (const TLinkHit url = UrlAt(point); url.Found()) {
        PlaceCaret(url.Start);
        emit UrlOpened(url.Text);
    } else if (const TLinkHit user = UserIdAt(point); user.Found()) {
        PlaceCaret(user.Start + 1);
        emit UserOpened(user.Text.mid(1));
    } else {
        // Elsewhere the word a double-click selects gives way to a caret at its start.
        QTextEdit::mouseDoubleClickEvent(event);
        PlaceCaret(textCursor().selectionStart());
        return;
    }
    event->accept();
}

void TRichEditText::PlaceCaret(qsizetype position) {
    QTextCursor caret(document());
    caret.setPosition(int(position));
    setTextCursor(caret);
}
