// Server text as the window draws it: carrier emoji replaced, bidi and
// control characters left out, and the positions mapped between the two.
#include <cstring>

#include "CarrierEmoji.h"
#include "DrawnText.h"
#include "FuzzSupport.h"

namespace {

bool IsLeftOut(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Whole UTF-16 code units, lone surrogates included, so every carrier
    // emoji and control is one pair of bytes away.
    QString source(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(source.data(), data, size / 2 * 2);
    const TDrawnText drawn(source);
    const QString& text = drawn.Text();

    for (const QChar c : text)
        FuzzCheck(!IsLeftOut(c.unicode()), "a bidi or control character drawn");
    FuzzCheck(!IsDrawnAsStored(source) || text == source, "said to be drawn as stored, but is not");
    FuzzCheck(DrawnText(text) == text, "drawing what is drawn changes it");
    // Selecting all of an empty drawn text selects nothing to copy.
    FuzzCheck(text.isEmpty() || drawn.CopyText(0, text.size()) == WithStandardEmoji(source),
              "copying the whole text gives other than the stored text");

    qsizetype last = 0;
    for (qsizetype i = 0; i <= source.size(); ++i) {
        const qsizetype at = drawn.DrawnPosition(i);
        FuzzCheck(at >= last && at <= text.size(), "drawn positions out of order or range");
        if (i < source.size() && !IsLeftOut(source[i].unicode()))
            FuzzCheck(drawn.SourcePosition(at) == i, "a drawn character maps to another one");
        last = at;
    }
    FuzzCheck(drawn.DrawnPosition(source.size()) == text.size(), "the ends do not meet");
    last = 0;
    for (qsizetype j = 0; j <= text.size(); ++j) {
        const qsizetype at = drawn.SourcePosition(j);
        FuzzCheck(at >= last && at <= source.size(), "stored positions out of order or range");
        last = at;
    }
    FuzzCheck(drawn.SourcePosition(text.size()) == source.size(), "the ends do not meet");
    return 0;
}
