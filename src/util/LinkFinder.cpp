#include "LinkFinder.h"

#include <algorithm>

#include "Urls.h"

namespace {

constexpr qsizetype MaxHighlightLength = 1024;
constexpr qsizetype MaxOpenLength = 256;

// Non-ASCII characters never belong to a link.
char AsciiAt(const QString& text, qsizetype i) {
    if (i < 0 || i >= text.size())
        return '\0';
    const char16_t c = text[i].unicode();
    return c < 0x80 ? char(c) : '\0';
}

bool IsUrlCharAt(const QString& text, qsizetype i) {
    const char c = AsciiAt(text, i);
    return c != '\0' && IsUrlChar(c);
}

bool IsIdCharAt(const QString& text, qsizetype i) {
    const char c = AsciiAt(text, i);
    return c != '\0' && IsIdChar(c);
}

bool StartsWebAddress(const QString& text, qsizetype i) {
    const QStringView rest = QStringView(text).sliced(i);
    return rest.startsWith(u"http://") || rest.startsWith(u"https://");
}

// Length of the run of link characters from start, at most limit long.
template <typename Pred>
qsizetype RunLength(const QString& text, qsizetype start, qsizetype limit, Pred isLinkChar) {
    const qsizetype end = std::min(text.size(), start + limit);
    qsizetype i = start;
    while (i < end && isLinkChar(text, i))
        ++i;
    return i - start;
}

} // namespace

QList<TTextRange> HighlightLinkRanges(const QString& text) {
    QList<TTextRange> ranges;
    // A link never starts at the last character.
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'@')
            continue;
        const qsizetype length = RunLength(text, i, MaxHighlightLength, IsIdCharAt);
        if (length > 1)
            ranges.append({i + 1, length - 1});
        i += length - 1;
    }
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'h' || !StartsWebAddress(text, i))
            continue;
        const qsizetype length = RunLength(text, i, MaxHighlightLength, IsUrlCharAt);
        ranges.append({i, length});
        i += length - 1;
    }
    return ranges;
}

TLinkHit UrlAtPosition(const QString& text, qsizetype p) {
    if (text.isEmpty() || p < 1)
        return {};
    qsizetype q = p - 1;
    while (q >= text.size() || !StartsWebAddress(text, q)) {
        if (!IsUrlCharAt(text, q) || q == 0)
            return {};
        --q;
    }
    return {q, text.mid(q, RunLength(text, q, MaxOpenLength, IsUrlCharAt))};
}

TLinkHit UserIdAtPosition(const QString& text, qsizetype p) {
    if (text.isEmpty() || p < 1)
        return {};
    qsizetype q = p - 1;
    while (q >= text.size() || text[q] != u'@') {
        if (!IsIdCharAt(text, q) || q == 0)
            return {};
        --q;
    }
    const qsizetype length = RunLength(text, q, MaxOpenLength, IsIdCharAt);
    if (length < 2)
        return {};
    return {q, text.mid(q, length)};
}
