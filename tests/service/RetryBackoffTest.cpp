#include <gtest/gtest.h>

#include "RetryBackoff.h"

namespace {
using namespace std::chrono_literals;
using TClock = TRetryBackoff::TClock;

// Each failure in a row doubles the pause, up to the longest; an answer ends it.
TEST(RetryBackoff, PausesDoubleAfterEachFailureUntilAnAnswer) {
    TRetryBackoff backoff;
    const QByteArray url = "http://127.0.0.1:1/icon.png";
    const TClock::time_point start{};
    EXPECT_TRUE(backoff.MayTry(url, start));

    TClock::time_point now = start;
    for (const std::chrono::minutes pause : {2min, 4min, 8min, 16min, 32min, 60min, 60min}) {
        backoff.Failed(url, now);
        EXPECT_FALSE(backoff.MayTry(url, now + pause - 1s)) << pause.count();
        EXPECT_TRUE(backoff.MayTry(url, now + pause)) << pause.count();
        now += pause;
    }
    EXPECT_TRUE(backoff.MayTry("http://127.0.0.1:1/other.png", start));
    backoff.Succeeded(url);
    EXPECT_TRUE(backoff.MayTry(url, now));
    backoff.Failed(url, now);
    EXPECT_TRUE(backoff.MayTry(url, now + 2min)); // counted from the first again
}

// Rotating addresses that all fail while every pause still runs: the record
// stays at its size, and the pauses that end first make room.
TEST(RetryBackoff, RotatingAddressesStayWithinTheRecord) {
    TRetryBackoff backoff;
    const TClock::time_point start{};
    for (int i = 0; i < 3 * TRetryBackoff::MaxEntries; ++i)
        backoff.Failed("http://a/?v=" + QByteArray::number(i),
                       start + std::chrono::milliseconds(i));
    EXPECT_EQ(backoff.Count(), TRetryBackoff::MaxEntries);
    EXPECT_TRUE(backoff.MayTry("http://a/?v=0", start + 3s));
    const QByteArray last = "http://a/?v=" + QByteArray::number(3 * TRetryBackoff::MaxEntries - 1);
    EXPECT_FALSE(backoff.MayTry(last, start + 3s));
}

} // namespace
