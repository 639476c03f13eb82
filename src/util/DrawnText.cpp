#include "DrawnText.h"

#include <algorithm>
#include <array>

#include "CarrierEmoji.h"

namespace {

bool IsBidiControl(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// C0 and C1 control characters and DEL: a line feed would break a row in two,
// a NUL draws as a box.
bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool IsLeftOut(char16_t c) {
    return IsBidiControl(c) || IsControl(c);
}

bool IsChanged(char16_t c) {
    return IsLeftOut(c) || IsCarrierEmoji(c);
}

// One bit per UTF-16 code unit: whether drawing changes it. Searches ask this
// of every character of every row, so it is one look-up in an 8 KB table.
const std::array<quint64, 1024>& ChangedBits() {
    static const auto bits = [] {
        std::array<quint64, 1024> table{};
        for (char32_t c = 0; c <= 0xFFFF; ++c)
            if (IsChanged(char16_t(c)))
                table[c >> 6] |= quint64(1) << (c & 63);
        return table;
    }();
    return bits;
}

} // namespace

bool IsDrawnAsStored(QStringView source) {
    const std::array<quint64, 1024>& bits = ChangedBits();
    quint64 changed = 0;
    for (const QChar c : source)
        changed |= bits[c.unicode() >> 6] >> (c.unicode() & 63);
    return (changed & 1) == 0;
}

TDrawnText::TDrawnText(const QString& source) : FSource(source), FText(source) {
    if (IsDrawnAsStored(source))
        return;
    FText.clear();
    SourceAt.reserve(size_t(source.size()) + 1);
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char16_t c = source[i].unicode();
        if (IsLeftOut(c))
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
