#include "DrawnText.h"

#include <algorithm>

#include "CarrierEmoji.h"

namespace {

bool IsBidiControl(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsChanged(char16_t c) {
    return IsBidiControl(c) || IsCarrierEmoji(c);
}

} // namespace

bool IsDrawnAsStored(QStringView source) {
    return std::none_of(source.begin(), source.end(),
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
    return IsDrawnAsStored(source) ? source : TDrawnText(source).Text();
}
