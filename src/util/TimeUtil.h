#pragma once

#include <QDateTime>
#include <QString>

// A date-time as the program keeps it: days since 1899-12-30 00:00, with the
// time of day as the fraction.
using TDateTime = double;

struct TTimeZoneOffset {
    int Hours = 0;   // carries the sign of the offset
    int Minutes = 0; // carries the sign of the offset
};

// The local standard-time offset from UTC (daylight saving not included),
// positive east of UTC.
TTimeZoneOffset TimeZoneOffset();

// The offset for a given standard-time bias in minutes (UTC minus local time).
TTimeZoneOffset TimeZoneOffsetFromBias(int biasMinutes);

// A service time (Unix seconds) as a local date-time, shifted by whole hours.
TDateTime EpochToDateTime(double epoch, int offsetHours);

// Conversions between the program's date-time and Qt's (local time, no zone).
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime QDateTimeToDateTime(const QDateTime& value);

// The current local time as the 17 digits "yyyyMMddhhmmsszzz".
QString TimeStampText();
QString TimeStampText(const QDateTime& at);
