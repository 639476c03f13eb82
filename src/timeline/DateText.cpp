#include "DateText.h"

#include <cmath>

#include <QLocale>

namespace {

constexpr double MaxDays = 1.0e9;

// The long time as the desktop writes it: the locale's short time with the
// seconds after the minutes ("H:mm" becomes "H:mm:ss", "h:mm AP" becomes
// "h:mm:ss AP"). Qt's own long format adds the time zone and, in some
// locales, spells the units out.
QString LongTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype minutesEnd = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u's')
            return format; // it has its seconds already
        else if (!quoted && minutesEnd < 0 && QStringView(format).mid(i, 2) == u"mm")
            minutesEnd = i + 2;
    }
    if (minutesEnd < 0)
        return format;
    const qsizetype minutes = minutesEnd - 2;
    const QChar separator =
        minutes > 0 && format[minutes - 1].isPunct() && format[minutes - 1] != u'\''
            ? format[minutes - 1]
            : QChar(u':');
    return format.insert(minutesEnd, separator + QStringLiteral("ss"));
}

} // namespace

QString LocaleDateTimeText(TDateTime value) {
    // Parsed statuses stay within the years 1 to 9999 (a day either side for
    // the time zone); far beyond them the conversion to whole days would overflow.
    if (!std::isfinite(value) || std::abs(value) > MaxDays)
        return {};
    const QDateTime at = DateTimeToQDateTime(value);
    if (!at.isValid())
        return {};
    const QLocale locale;
    QString text = locale.toString(at.date(), QLocale::ShortFormat);
    if (at.time() != QTime(0, 0))
        text += u' ' + locale.toString(at.time(), LongTimeFormat(locale));
    return text;
}
