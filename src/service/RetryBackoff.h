#pragma once

#include <chrono>
#include <memory>
#include <mutex>

#include <QByteArray>
#include <QHash>

// Addresses of side requests (icons, short URLs) that failed lately, shared by
// the fetches of a run. A failed address is tried again only after a pause
// that doubles with each failure in a row, so a silent server costs a fetch
// its time once in a while, not on every refresh. Thread-safe.
class TRetryBackoff final {
public:
    using TClock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds FirstPause = std::chrono::minutes(2);
    static constexpr std::chrono::seconds LongestPause = std::chrono::hours(1);
    // Addresses remembered at most; rotating ones cannot grow the record.
    static constexpr qsizetype MaxEntries = 1024;

    // The record the fetches share unless given another.
    static std::shared_ptr<TRetryBackoff> Shared();

    bool MayTry(const QByteArray& url, TClock::time_point now = TClock::now()) const;
    void Failed(const QByteArray& url, TClock::time_point now = TClock::now());
    void Succeeded(const QByteArray& url);
    void Clear();
    qsizetype Count() const;

private:
    struct TEntry {
        int Failures = 0;
        TClock::time_point NotBefore;
    };
    mutable std::mutex Lock;
    QHash<QByteArray, TEntry> Entries;

    void MakeRoom(TClock::time_point now);
};
