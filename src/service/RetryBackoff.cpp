#include "RetryBackoff.h"

#include <algorithm>

std::shared_ptr<TRetryBackoff> TRetryBackoff::Shared() {
    static const auto shared = std::make_shared<TRetryBackoff>();
    return shared;
}

bool TRetryBackoff::MayTry(const QByteArray& url, TClock::time_point now) const {
    const std::lock_guard guard(Lock);
    const auto entry = Entries.constFind(url);
    return entry == Entries.cend() || entry->NotBefore <= now;
}

void TRetryBackoff::Failed(const QByteArray& url, TClock::time_point now) {
    const std::lock_guard guard(Lock);
    if (!Entries.contains(url))
        MakeRoom(now);
    TEntry& entry = Entries[url];
    // Doubling from the first pause; the shift stays small, the pause capped.
    const int doublings = std::min(entry.Failures, 10);
    entry.NotBefore =
        now + std::min<std::chrono::seconds>(FirstPause * (1 << doublings), LongestPause);
    ++entry.Failures;
}

void TRetryBackoff::Succeeded(const QByteArray& url) {
    const std::lock_guard guard(Lock);
    Entries.remove(url);
}

void TRetryBackoff::Clear() {
    const std::lock_guard guard(Lock);
    Entries.clear();
}

qsizetype TRetryBackoff::Count() const {
    const std::lock_guard guard(Lock);
    return Entries.size();
}

void TRetryBackoff::MakeRoom(TClock::time_point now) {
    if (Entries.size() < MaxEntries)
        return;
    Entries.removeIf([now](const auto& entry) { return entry.value().NotBefore <= now; });
    if (Entries.size() < MaxEntries)
        return;
    // All still pausing: the one whose pause ends first goes.
    const auto soonest =
        std::min_element(Entries.begin(), Entries.end(), [](const TEntry& a, const TEntry& b) {
            return a.NotBefore < b.NotBefore;
        });
    Entries.erase(soonest);
}
