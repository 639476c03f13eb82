#pragma once

#include <mutex>

#include <QByteArray>

// Counts the account's reading requests per hour, the way the service's
// rate-limit resource reports them: the hour starts with the first request
// after the previous one ran out.
class TRateCounter final {
public:
    explicit TRateCounter(int hourlyLimit);

    void Count(qint64 now);
    // The rate-limit XML document as of now.
    QByteArray StatusXml(qint64 now);

private:
    void Roll(qint64 now);

    std::mutex Mutex;
    int HourlyLimit = 0;
    int Used = 0;
    qint64 ResetAt = 0; // epoch seconds; 0 while no hour is running
};
