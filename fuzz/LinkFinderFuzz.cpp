// The links of the detail text: what is drawn as a link, and what a
// double-click at a position opens.
#include <algorithm>
#include <vector>

#include "FuzzSupport.h"
#include "LinkFinder.h"
#include "Urls.h"

namespace {

bool IsAscii(QChar c, bool (*belongs)(char)) {
    return c.unicode() < 0x80 && c.unicode() != 0 && belongs(char(c.unicode()));
}

bool AllOf(QStringView text, bool (*belongs)(char)) {
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return IsAscii(c, belongs); });
}

bool IsWebAddressStart(QStringView text) {
    return text.startsWith(u"http://") || text.startsWith(u"https://");
}

enum class Mark { None, Mention, Url };

void CheckHit(const QString& text, qsizetype p, const TLinkHit& hit, bool (*belongs)(char)) {
    if (!hit.Found()) {
        FuzzCheck(hit.Text.isEmpty(), "no link, yet a link text");
        return;
    }
    FuzzCheck(hit.Start <= p - 1 && QStringView(text).sliced(hit.Start).startsWith(hit.Text),
              "a link that is not at the position in the text");
    FuzzCheck(hit.Text.size() <= 256, "a link opened longer than 256 characters");
    FuzzCheck(AllOf(QStringView(text).sliced(hit.Start, p - hit.Start), belongs),
              "a link that does not reach the position");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(FuzzBytes(data, size));
    std::vector<Mark> marks(size_t(text.size()), Mark::None);
    for (const TTextRange& range : HighlightLinkRanges(text)) {
        FuzzCheck(range.Start >= 0 && range.Length > 0 && range.Start + range.Length <= text.size(),
                  "a link range outside the text");
        FuzzCheck(range.Length <= 1024, "a link range over 1024 characters");
        const QStringView link = QStringView(text).sliced(range.Start, range.Length);
        const bool url = IsWebAddressStart(link);
        FuzzCheck(url ? AllOf(link, IsUrlChar)
                      : range.Start > 0 && text[range.Start - 1] == u'@' && AllOf(link, IsIdChar),
                  "a link range that is neither a mention nor a web address");
        for (qsizetype i = range.Start; i < range.Start + range.Length; ++i)
            if (marks[size_t(i)] == Mark::None || url)
                marks[size_t(i)] = url ? Mark::Url : Mark::Mention;
    }

    // Walking back from a position costs up to the text's length: look at a
    // spread of positions, the first and the last included.
    const qsizetype step = std::max<qsizetype>(1, text.size() / 64);
    for (qsizetype p = 1; p <= text.size() + 1; p += (p > text.size() - step ? 1 : step)) {
        const TLinkHit url = UrlAtPosition(text, p);
        const TLinkHit mention = UserIdAtPosition(text, p);
        CheckHit(text, p, url, IsUrlChar);
        CheckHit(text, p, mention, IsIdChar);
        FuzzCheck(!url.Found() || IsWebAddressStart(url.Text), "an opened URL that is no address");
        FuzzCheck(!mention.Found() || (mention.Text.startsWith(u'@') && mention.Text.size() > 1),
                  "an opened mention that names nobody");
        if (p > text.size())
            continue;
        const Mark mark = marks[size_t(p - 1)];
        FuzzCheck(mark != Mark::Url || url.Found(), "a web address drawn that does not open");
        FuzzCheck(mark != Mark::Mention || text[p - 1] == u'@' || mention.Found(),
                  "a mention drawn that does not open");
    }
    return 0;
}
