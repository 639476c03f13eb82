// Web addresses found in status texts, and the post body encoding.
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "Urls.h"

namespace {

constexpr qsizetype MaxUrlBytes = 1024;

void CheckExtractedUrls(const QByteArray& text) {
    const QList<QByteArray> urls = ExtractURLs(text);
    std::vector<std::pair<qsizetype, qsizetype>> spans; // [start, end) in the text
    qsizetype from = 0;
    for (const QByteArray& url : urls) {
        FuzzCheck(url.startsWith("http://") || url.startsWith("https://"),
                  "a URL that does not begin with http:// or https://");
        FuzzCheck(url.size() <= MaxUrlBytes, "a URL longer than 1024 bytes");
        for (char c : url)
            FuzzCheck(IsUrlChar(c), "a URL holding a byte that ends URLs");
        const qsizetype at = text.indexOf(url, from);
        FuzzCheck(at >= 0, "URLs out of text order or overlapping");
        const qsizetype end = at + url.size();
        FuzzCheck(end == text.size() || !IsUrlChar(text[end]) || url.size() == MaxUrlBytes,
                  "a URL cut before its end");
        spans.emplace_back(at, end);
        from = end;
    }
    // Every address the text holds lies inside one of the URLs found.
    for (const char* scheme : {"http://", "https://"}) {
        for (qsizetype at = text.indexOf(scheme); at >= 0; at = text.indexOf(scheme, at + 1)) {
            bool covered = false;
            for (const auto& [start, end] : spans)
                covered = covered || (start <= at && at < end);
            FuzzCheck(covered, "an address in the text that was not extracted");
        }
    }
}

void CheckUrlEncode(const QByteArray& bytes) {
    const QByteArray encoded = URLEncode(bytes);
    for (char c : encoded)
        FuzzCheck(c > ' ' && c < 0x7F && c != '~', "an encoded body holding a raw byte");
    QByteArray decoded = encoded;
    decoded.replace('+', ' ');
    const qsizetype zero = bytes.indexOf('\0');
    FuzzCheck(QByteArray::fromPercentEncoding(decoded) ==
                  bytes.left(zero < 0 ? bytes.size() : zero),
              "an encoded body that does not decode to the text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    CheckExtractedUrls(bytes);
    CheckUrlEncode(bytes);
    (void)IsWebAddress(QString::fromUtf8(bytes));
    return 0;
}
