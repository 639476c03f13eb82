#include "RateCounter.h"

#include <algorithm>

#include <QDateTime>

namespace {

constexpr qint64 Hour = 3600;

}

TRateCounter::TRateCounter(int hourlyLimit) : HourlyLimit(hourlyLimit) {}

void TRateCounter::Roll(qint64 now) {
    if (ResetAt != 0 && now >= ResetAt) {
        ResetAt = 0;
        Used = 0;
    }
}

void TRateCounter::Count(qint64 now) {
    std::lock_guard lock(Mutex);
    Roll(now);
    if (ResetAt == 0)
        ResetAt = now + Hour;
    ++Used;
}

QByteArray TRateCounter::StatusXml(qint64 now) {
    std::lock_guard lock(Mutex);
    Roll(now);
    const qint64 reset = ResetAt != 0 ? ResetAt : now + Hour;
    const QString resetText = QDateTime::fromSecsSinceEpoch(reset, Qt::UTC).toString(Qt::ISODate);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<hash>\n"
                          "  <remaining-hits type=\"integer\">%1</remaining-hits>\n"
                          "  <hourly-limit type=\"integer\">%2</hourly-limit>\n"
                          "  <reset-time type=\"datetime\">%3</reset-time>\n"
                          "  <reset-time-in-seconds type=\"integer\">%4</reset-time-in-seconds>\n"
                          "</hash>\n")
        .arg(std::max(0, HourlyLimit - Used))
        .arg(HourlyLimit)
        .arg(QString(resetText).replace(QLatin1String("Z"), QLatin1String("+00:00")))
        .arg(reset)
        .toUtf8();
}
