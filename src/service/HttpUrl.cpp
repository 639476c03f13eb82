#include "HttpUrl.h"

#include <algorithm>

namespace {

constexpr QByteArrayView HttpPrefix = "http://";

bool HasBlankOrControl(const QByteArray& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7f; });
}

} // namespace

bool IsHttpScheme(const QByteArray& url) {
    return url.size() >= HttpPrefix.size() &&
           url.first(HttpPrefix.size()).toLower() == HttpPrefix.toByteArray();
}

std::optional<THttpUrl> ParseHttpUrl(const QByteArray& url) {
    if (!IsHttpScheme(url) || HasBlankOrControl(url))
        return std::nullopt;
    QByteArray rest = url.mid(HttpPrefix.size());
    if (const qsizetype fragment = rest.indexOf('#'); fragment >= 0)
        rest.truncate(fragment);
    const qsizetype pathStart = rest.indexOf('/');
    const qsizetype queryStart = rest.indexOf('?');
    const qsizetype end = pathStart < 0    ? queryStart
                          : queryStart < 0 ? pathStart
                                           : std::min(pathStart, queryStart);
    const QByteArray authority = end < 0 ? rest : rest.first(end);
    THttpUrl parsed;
    parsed.Target = end < 0 ? QByteArray("/") : rest.mid(end);
    if (parsed.Target.startsWith('?'))
        parsed.Target.prepend('/');
    if (authority.isEmpty() || authority.contains('@'))
        return std::nullopt;

    QByteArray portText;
    if (authority.startsWith('[')) {
        const qsizetype close = authority.indexOf(']');
        if (close < 0)
            return std::nullopt;
        parsed.Host = authority.mid(1, close - 1);
        const QByteArray after = authority.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(':'))
            return std::nullopt;
        portText = after.mid(1);
    } else {
        const qsizetype colon = authority.indexOf(':');
        parsed.Host = colon < 0 ? authority : authority.first(colon);
        portText = colon < 0 ? QByteArray() : authority.mid(colon + 1);
    }
    if (parsed.Host.isEmpty())
        return std::nullopt;
    if (!portText.isEmpty()) {
        bool ok = false;
        parsed.Port = portText.toInt(&ok);
        if (!ok || parsed.Port < 1 || parsed.Port > 65535 ||
            !std::all_of(portText.begin(), portText.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
    }
    const QByteArray host = authority.startsWith('[') ? '[' + parsed.Host + ']' : parsed.Host;
    parsed.HostHeader = parsed.Port == 80 ? host : host + ':' + QByteArray::number(parsed.Port);
    return parsed;
}
