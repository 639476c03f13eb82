#include "TimeUtil.h"

#include <cmath>
#include <cstdlib>

#include <QTimeZone>

namespace {
const QDate DateTimeEpoch(1899, 12, 30);
constexpr double UnixEpochDays = 25569.0; // 1970-01-01 in days since 1899-12-30
constexpr double MsPerDay = 86400000.0;
} // namespace

TTimeZoneOffset TimeZoneOffsetFromBias(int biasMinutes) {
    const int offset = -biasMinutes;
    const int sign = offset < 0 ? -1 : 1;
    return {sign * (std::abs(offset) / 60), sign * (std::abs(offset) % 60)};
}

TTimeZoneOffset TimeZoneOffset() {
    const int standardSeconds =
        QTimeZone::systemTimeZone().standardTimeOffset(QDateTime::currentDateTimeUtc());
    return TimeZoneOffsetFromBias(-standardSeconds / 60);
}

TDateTime EpochToDateTime(double epoch, int offsetHours) {
    return UnixEpochDays + (epoch + offsetHours * 3600.0) / 86400.0;
}

QDateTime DateTimeToQDateTime(TDateTime value) {
    const double days = std::floor(value);
    const auto ms = static_cast<qint64>(std::llround((value - days) * MsPerDay));
    const QDate date = DateTimeEpoch.addDays(static_cast<qint64>(days));
    return QDateTime(date, QTime(0, 0)).addMSecs(ms);
}

TDateTime QDateTimeToDateTime(const QDateTime& value) {
    const qint64 days = DateTimeEpoch.daysTo(value.date());
    return days + value.time().msecsSinceStartOfDay() / MsPerDay;
}

QString TimeStampText(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyyMMddhhmmsszzz"));
}

QString TimeStampText() {
    return TimeStampText(QDateTime::currentDateTime());
}
