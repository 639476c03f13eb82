#include "DateText.h"

#include <cmath>

#include <QLocale>

QString LocaleDateTimeText(TDateTime value) {
    // Far outside the calendar the conversion has no answer.
    if (!std::isfinite(value) || std::abs(value) > 2.0e6)
        return {};
    const QDateTime at = DateTimeToQDateTime(value);
    if (!at.isValid())
        return {};
    const QLocale locale;
    QString text = locale.toString(at.date(), QLocale::ShortFormat);
    if (at.time() != QTime(0, 0))
        text += u' ' + locale.toString(at.time(), QStringLiteral("H:mm:ss"));
    return text;
}
