#pragma once

#include <QList>
#include <QString>

// Links in the detail text: mentions ("@id") and web addresses. Positions are
// UTF-16 code units of the text, as a text document counts them; every
// character outside ASCII is neither an ID nor a URL character.

struct TTextRange {
    qsizetype Start = 0;
    qsizetype Length = 0;

    bool operator==(const TTextRange&) const = default;
};

// A link under a position: Start is the 0-based position of its first
// character and Text the link itself; Start -1 and Text empty when there is none.
struct TLinkHit {
    qsizetype Start = -1;
    QString Text{};

    bool Found() const { return Start >= 0; }
    bool operator==(const TLinkHit&) const = default;
};

// The ranges to draw as links: the mentions first (the ID after the "@", not
// the "@"), then the web addresses (whole). A link is at most 1024 characters
// long; ranges of the two kinds may overlap.
QList<TTextRange> HighlightLinkRanges(const QString& text);

// The web address around the 1-based position p, cut at 256 characters.
TLinkHit UrlAtPosition(const QString& text, qsizetype p);

// The mention around the 1-based position p, "@" included, cut at 256
// characters. A lone "@" names nobody and is no link.
TLinkHit UserIdAtPosition(const QString& text, qsizetype p);
