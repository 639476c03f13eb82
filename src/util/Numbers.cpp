#include "Numbers.h"

#include <limits>

namespace {

std::optional<qint32> Parse(const QString& text, bool bareX) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const QStringView rest = QStringView(text).mid(i);
    int base = 10;
    qsizetype digitsFrom = 0;
    if (rest.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digitsFrom = 2;
    } else if (rest.startsWith(QLatin1Char('$')) ||
               (bareX && rest.startsWith(QLatin1Char('x'), Qt::CaseInsensitive))) {
        base = 16;
        digitsFrom = 1;
    }
    const QStringView digits = rest.mid(digitsFrom);
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits) {
        const bool ok = base == 10 ? (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                                   : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!ok)
            return std::nullopt;
    }
    if (base == 16) {
        // At most 32 bits of hexadecimal digits; the bits are the value.
        bool ok = false;
        const quint64 value = digits.toULongLong(&ok, 16);
        if (!ok || value > std::numeric_limits<quint32>::max())
            return std::nullopt;
        const auto bits = static_cast<qint32>(static_cast<quint32>(value));
        return negative ? static_cast<qint32>(0u - static_cast<quint32>(bits)) : bits;
    }
    bool ok = false;
    const quint64 magnitude = digits.toULongLong(&ok, 10);
    const quint64 limit = negative ? 2147483648ull : 2147483647ull;
    if (!ok || magnitude > limit)
        return std::nullopt;
    return negative ? static_cast<qint32>(-static_cast<qint64>(magnitude))
                    : static_cast<qint32>(magnitude);
}

} // namespace

std::optional<qint32> ParseInteger(const QString& text) {
    return Parse(text, false);
}

std::optional<qint32> ParseTypedInteger(const QString& text) {
    return Parse(text, true);
}

bool IsInteger(const QString& text) {
    return ParseTypedInteger(text).has_value();
}
