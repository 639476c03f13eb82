#pragma once

#include <deque>
#include <mutex>

#include <QJsonArray>
#include <QJsonObject>

namespace httplib {
struct Request;
}

// The last requests the service received, for tests that check what a client
// put on the wire.
class TRequestLog final {
public:
    static constexpr std::size_t Capacity = 100;

    void Add(const httplib::Request& request);
    void Clear();
    // Oldest first: method, path, target (path and query as sent), version,
    // headers (name -> value, repeated headers joined by ", ") and body.
    QJsonArray Entries();

private:
    std::mutex Mutex;
    std::deque<QJsonObject> Log;
};
