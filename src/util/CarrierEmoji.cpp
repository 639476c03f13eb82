#include "CarrierEmoji.h"

#include <algorithm>
#include <iterator>

namespace {

struct TEmojiEntry {
    char16_t Carrier;
    const char16_t* Standard;
};

// Sorted by carrier code point.
constexpr TEmojiEntry EmojiTable[] = {
#include "EmojiTable.inc"
};

} // namespace

QStringView StandardEmoji(char16_t c) {
    const auto* end = std::end(EmojiTable);
    const auto* entry =
        std::lower_bound(std::begin(EmojiTable), end, c,
                         [](const TEmojiEntry& e, char16_t code) { return e.Carrier < code; });
    if (entry == end || entry->Carrier != c)
        return {};
    return QStringView(entry->Standard);
}

QString WithStandardEmoji(const QString& text) {
    const auto first =
        std::find_if(text.begin(), text.end(), [](QChar c) { return IsCarrierEmoji(c.unicode()); });
    if (first == text.end())
        return text;
    QString result = text.first(first - text.begin());
    for (auto it = first; it != text.end(); ++it) {
        if (const QStringView standard = StandardEmoji(it->unicode()); !standard.isEmpty())
            result += standard;
        else
            result += *it;
    }
    return result;
}
