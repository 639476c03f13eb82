#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QByteArray>
#include <QString>

#include <httplib.h>

// One request as it arrived on the wire.
struct TRecordedRequest {
    std::string Method;
    std::string Target; // path and query, or the absolute URL a proxy sees
    std::string Version;
    httplib::Headers Headers;
    std::string Body;

    bool HasHeader(const std::string& name) const { return Headers.count(name) > 0; }
    std::string Header(const std::string& name) const;
};

// An HTTP server on 127.0.0.1 that records every request and answers with the
// handler it was given (200 and an empty body when none).
class TRecordingServer final {
public:
    using THandler = std::function<void(const httplib::Request&, httplib::Response&)>;

    explicit TRecordingServer(THandler handler = {});
    ~TRecordingServer();
    TRecordingServer(const TRecordingServer&) = delete;
    TRecordingServer& operator=(const TRecordingServer&) = delete;

    int Port() const { return BoundPort; }
    QString Url() const; // "http://127.0.0.1:port"
    QByteArray HostPort() const;
    std::vector<TRecordedRequest> Requests() const;
    // Lets handlers that wait on ReleaseRequested() finish.
    void Release() { Released = true; }
    bool ReleaseRequested() const { return Released; }

private:
    httplib::Server Server;
    THandler Handler;
    int BoundPort = 0;
    std::thread Thread;
    mutable std::mutex Lock;
    std::vector<TRecordedRequest> Recorded;
    std::atomic<bool> Released = false;
};

// Answers with the body one byte at a time and a pause after each: above the
// low-speed limit while the pause is under a second, so only a deadline ends
// it early. Stops when the client has gone.
void TrickleBody(httplib::Response& response, const std::string& body,
                 std::chrono::milliseconds pause);

// A port on 127.0.0.1 where nothing listens.
int UnusedPort();

// A file of tests/data/service with "{{HOSTPORT}}" replaced by the server's.
QByteArray ServiceFixture(const QString& name, const QByteArray& hostPort = {});
