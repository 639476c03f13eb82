#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <random>

#include <QString>

// Ways a main request can be made to misbehave.
enum class EFault {
    None,
    BadRequest,  // HTTP 400, what the service sends when the request limit is reached
    ServerError, // HTTP 500
    BadJson,     // HTTP 200 with the reply cut in half
    Hang,        // no answer until the client gives up or the server stops
    Slow,        // the reply trickles a few bytes per second
    Huge,        // HTTP 200 with a body far beyond any sane reply
    Trickle,     // one byte every 0.8 s, just above a 1 byte/s low-speed limit, for ever
};

// Faults queued by the admin interface, served first, then random ones at the
// configured rate.
class TFaults final {
public:
    TFaults(int ratePercent, quint32 seed);

    static std::optional<EFault> FromName(const QString& name);
    static QString Name(EFault fault);

    void Queue(EFault fault, int count, int slowSeconds);
    void Clear();

    struct TTaken {
        EFault Fault = EFault::None;
        int SlowSeconds = 0; // how long a slow reply trickles before the rest follows
    };
    // The fault for the next main request.
    TTaken Take();

private:
    static constexpr int DefaultSlowSeconds = 10;

    std::mutex Mutex;
    std::deque<TTaken> Queued;
    int RatePercent = 0;
    std::mt19937 Random;
};
