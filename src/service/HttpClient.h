#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>

#include <QByteArray>
#include <QList>

#include "HttpError.h"

inline constexpr qsizetype TimelineBodyCap = 8 * 1024 * 1024;
inline constexpr qsizetype IconBodyCap = 2 * 1024 * 1024;
inline constexpr qsizetype DefaultBodyCap = 1024 * 1024;

struct THttpProxy {
    QByteArray Host; // empty: no proxy at all, not even one from the environment
    int Port = 0;
    QByteArray User; // empty: no proxy authentication
    QByteArray Password;
};

// How long one exchange may take, so that a hung or hostile server holds a
// worker (and, for a timeline fetch, the refresh cycle) only so long.
struct THttpTimeouts {
    std::chrono::milliseconds Connect = std::chrono::seconds(20);
    // Dropped when it moves less than one byte a second for this long.
    std::chrono::seconds LowSpeed = std::chrono::seconds(60);
    // The whole exchange: a body trickling just above the low-speed limit
    // ends too.
    std::chrono::milliseconds Deadline = std::chrono::seconds(120);
};

struct THttpResponse {
    long Status = 0;
    QByteArray Body;
    QByteArray Location;
};

// One blocking HTTP exchange per call over its own libcurl handle, on the
// calling thread. Redirects are never followed: a 3xx comes back as a
// THttpError of kind Status with its Location. Every failure throws THttpError.
class THttpClient final {
public:
    // Basic authentication sent with the first request, not after a challenge.
    void SetBasicAuth(const QByteArray& user, const QByteArray& password);
    void AddHeader(const QByteArray& line);
    // Empty: libcurl's default, which sends no User-Agent line.
    void SetUserAgent(const QByteArray& userAgent) { UserAgent = userAgent; }
    void SetProxy(const THttpProxy& proxy) { Proxy = proxy; }
    void SetHttp10(bool on) { Http10 = on; }
    // A body longer than this fails the request.
    void SetBodyCap(qsizetype bytes) { BodyCap = bytes; }
    // A request over any of these fails as a transport error.
    void SetTimeouts(const THttpTimeouts& timeouts) { Timeouts = timeouts; }
    // Checked while the transfer runs; when it turns true the transfer is
    // abandoned within a few tens of milliseconds.
    void SetStopFlag(const std::atomic<bool>* flag) { StopFlag = flag; }

    THttpResponse Get(const QByteArray& url) const;
    THttpResponse Head(const QByteArray& url) const;
    // A form POST; the body goes out exactly as given.
    THttpResponse PostForm(const QByteArray& url, const QByteArray& body) const;

private:
    enum class TMethod { Get, Head, Post };
    THttpResponse Perform(TMethod method, const QByteArray& url, const QByteArray& body) const;

    bool Authenticate = false;
    QByteArray User;
    QByteArray Password;
    QList<QByteArray> Headers;
    QByteArray UserAgent;
    THttpProxy Proxy;
    bool Http10 = false;
    qsizetype BodyCap = DefaultBodyCap;
    THttpTimeouts Timeouts;
    const std::atomic<bool>* StopFlag = nullptr;
};
