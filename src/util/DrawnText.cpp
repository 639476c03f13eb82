#include "DrawnText.h"

#include <algorithm>
#include <array>

#include "CarrierEmoji.h"

namespace {

bool IsBidiControl(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsChanged(char16_t c) {
    return IsBidiControl(c) || IsCarrierEmoji(c);
}

// Whether the high byte of a character is one under which drawing changes
// characters (U+20xx, U+E0xx-U+E7xx). Searches ask this of every character of
// every row, so it is one table look-up; the exact test follows only on a hit.
constexpr auto ChangedPages = [] {
    std::array<bool, 256> pages{};
    pages[0x20] = true;
    for (int page = 0xE0; page <= 0xE7; ++page)
        pages[size_t(page)] = true;
    return pages;
}();

} // namespace

bool IsDrawnAsStored(QStringView source) {
    bool onPage = false;
    for (const QChar c : source)
        onPage |= ChangedPages[c.unicode() >> 8];
    return !onPage || std::none_of(source.begin(), source.end(),
                                   [](QChar c) { return IsChanged(c.unicode()); });
}

TDrawnText::TDrawnText(const QString& source) : FSource(source), FText(source) {
    if (IsDrawnAsStored(source))
        return;
    FText.clear();
    SourceAt.reserve(size_t(source.size()) + 1);
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char16_t c = source[i].unicode();
        if (IsBidiControl(c))
            continue;
        const QStringView standard = StandardEmoji(c);
        const QStringView drawn =
            standard.isEmpty() ? QStringView(source.constData() + i, 1) : standard;
        FText += drawn;
        SourceAt.insert(SourceAt.end(), size_t(drawn.size()), i);
    }
    SourceAt.push_back(source.size());
}

qsizetype TDrawnText::DrawnPosition(qsizetype sourcePos) const {
    if (SourceAt.empty())
        return std::clamp<qsizetype>(sourcePos, 0, FText.size());
    return std::lower_bound(SourceAt.begin(), SourceAt.end(), sourcePos) - SourceAt.begin();
}

qsizetype TDrawnText::SourcePosition(qsizetype drawnPos) const {
    const qsizetype at = std::clamp<qsizetype>(drawnPos, 0, FText.size());
    return SourceAt.empty() ? at : SourceAt[size_t(at)];
}

QString TDrawnText::CopyText(qsizetype start, qsizetype end) const {
    if (start >= end)
        return {};
    const qsizetype from = start <= 0 ? 0 : SourcePosition(start);
    const qsizetype to = end >= FText.size() ? FSource.size() : SourcePosition(end);
    return WithStandardEmoji(FSource.mid(from, std::max<qsizetype>(to - from, 0)));
}

QString DrawnText(const QString& source) {
    return TDrawnText(source).Text();
}
