#include "Urls.h"

#include <algorithm>
#include <string_view>

#include <QUrl>

namespace {
constexpr qsizetype MaxUrlBytes = 1024;

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

bool IsUrlChar(char c) {
    static constexpr std::string_view punctuation = "!#$%&()*+,-./:;=?@_~";
    return IsAsciiAlnum(c) || (c != '\0' && punctuation.find(c) != std::string_view::npos);
}

bool IsIdChar(char c) {
    return IsAsciiAlnum(c) || c == '@' || c == '_';
}

bool IsPlainRid(const QByteArray& rid) {
    return !rid.isEmpty() &&
           std::ranges::all_of(rid, [](char c) { return IsAsciiAlnum(c) || c == '-' || c == '_'; });
}

QList<QByteArray> ExtractURLs(const QByteArray& text) {
    QList<QByteArray> urls;
    for (qsizetype p = 0; p + 1 < text.size(); ++p) {
        if (text[p] != 'h')
            continue;
        const QByteArrayView slice =
            QByteArrayView(text).sliced(p, std::min(MaxUrlBytes, text.size() - p));
        if (!slice.startsWith("http://") && !slice.startsWith("https://"))
            continue;
        qsizetype length = 0;
        while (length < slice.size() && IsUrlChar(slice[length]))
            ++length;
        urls.append(slice.first(length).toByteArray());
        p += length - 1;
    }
    return urls;
}

QByteArray URLEncode(const QByteArray& bytes) {
    static constexpr std::string_view kept = "!$'()*-.@_";
    static constexpr char hex[] = "0123456789ABCDEF";
    QByteArray result;
    result.reserve(bytes.size() * 3);
    for (char c : bytes) {
        if (c == '\0')
            break;
        if (IsAsciiAlnum(c) || kept.find(c) != std::string_view::npos) {
            result.append(c);
        } else if (c == ' ') {
            result.append('+');
        } else {
            const auto b = static_cast<unsigned char>(c);
            result.append('%').append(hex[b >> 4]).append(hex[b & 0xF]);
        }
    }
    return result;
}

bool IsWebAddress(const QString& url) {
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !parsed.host().isEmpty();
}
