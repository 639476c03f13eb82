#pragma once

#include <vector>

#include <QString>
#include <QStringView>

// Text from the server as the window draws it: each carrier emoji becomes its
// standard emoji, and the bidirectional embedding, override and isolate
// controls (U+202A-U+202E, U+2066-U+2069) are left out, so a name or a file
// name is drawn in the order in which it is stored and cannot reorder what
// stands beside it. Control characters (U+0000-U+001F, U+007F-U+009F: line
// feed, tab, NUL) are left out too, so a row stays one line without boxes. What is stored and sent
// stays as it came; copying gives the stored characters with standard emoji (WithStandardEmoji).
//
// Drawn and stored positions differ where a character was replaced or left
// out; the object maps between them (UTF-16 positions, 0-based).
class TDrawnText final {
public:
    explicit TDrawnText(const QString& source = {});

    const QString& Source() const { return FSource; }
    const QString& Text() const { return FText; }

    // Where the stored character at sourcePos is drawn; a character left out
    // maps to the next one drawn, and the end of the text to the end.
    qsizetype DrawnPosition(qsizetype sourcePos) const;
    // The stored position of the character drawn at drawnPos (the end of the
    // text for the end).
    qsizetype SourcePosition(qsizetype drawnPos) const;
    // What copying the drawn range [start, end) gives: the stored characters
    // it shows, controls within it included, with standard emoji. A range
    // from the start or to the end takes the stored text's start or end.
    QString CopyText(qsizetype start, qsizetype end) const;

private:
    QString FSource;
    QString FText;
    // Stored position of each drawn code unit, and of the end; empty when the
    // two texts are the same.
    std::vector<qsizetype> SourceAt;
};

// True when the text is drawn as it is stored (the common case, cheap to test).
bool IsDrawnAsStored(QStringView source);

// Only the drawn text.
QString DrawnText(const QString& source);
