#pragma once

#include <atomic>
#include <chrono>

#include <QByteArray>
#include <QList>

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

enum class THttpMethod { Get, Head, Post };

// One exchange as the client hands it to a transport.
struct THttpRequest {
    THttpMethod Method = THttpMethod::Get;
    QByteArray Url;
    QByteArray Body; // a form POST's, sent exactly as given
    bool Authenticate = false;
    QByteArray User;
    QByteArray Password;
    QList<QByteArray> Headers;
    QByteArray UserAgent; // empty: no User-Agent line
    THttpProxy Proxy;
    bool Http10 = false;
    qsizetype BodyCap = DefaultBodyCap;
    THttpTimeouts Timeouts;
    const std::atomic<bool>* StopFlag = nullptr;
};

struct THttpResponse {
    long Status = 0;
    QByteArray Body;
    QByteArray Location;
};
