#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include <QList>
#include <QString>

#include <httplib.h>

#include "Faults.h"
#include "Icons.h"
#include "RateCounter.h"
#include "RequestLog.h"
#include "ServiceOptions.h"
#include "StatusFeed.h"

// The HTTP face of the local Wassr service on 127.0.0.1: the API the client
// reads and posts to, the short-URL service, icons, the maker's version file,
// a few web pages, and an admin interface for tests.
class TWassrService final {
public:
    explicit TWassrService(const TServiceOptions& options);

    // Binds 127.0.0.1 and prepares the statuses; the port, or -1 with error set.
    int Bind(QString& error);
    // Serves until Stop(); false when the server could not run.
    bool Listen();
    bool IsRunning() const;
    // Ends held-back replies and the server; returns once no request runs.
    void Stop();

private:
    // What an API handler answers before any fault is applied to it.
    struct TReply {
        TReply(int status, std::string contentType, std::string body = {})
            : Status(status), ContentType(std::move(contentType)), Body(std::move(body)) {}
        int Status = 200;
        std::string ContentType;
        std::string Body;
        httplib::Headers Headers;
        QList<int> Served; // the status ids the body carries
    };
    using TApiHandler = TReply (TWassrService::*)(const httplib::Request&);
    using TFeedPage = QByteArray (TStatusFeed::*)(qint64, QList<int>&);

    void AddRoutes();
    httplib::Server::Handler Api(TApiHandler handler);
    httplib::Server::Handler Logged(httplib::Server::Handler handler);
    bool Authorized(const httplib::Request& request) const;
    void Send(httplib::Response& response, TReply reply, const TFaults::TTaken& fault);
    void SendHuge(httplib::Response& response);
    void HoldUntilClientLeaves(const httplib::Request& request);
    bool PauseUnlessStopping(int milliseconds);
    void MarkServed(const QList<int>& ids);

    TReply StatusPage(TFeedPage page);
    TReply Timeline(const httplib::Request& request);
    TReply Replies(const httplib::Request& request);
    TReply Update(const httplib::Request& request);
    TReply Favorite(const httplib::Request& request);
    TReply Destroy(const httplib::Request& request);
    TReply RateLimit(const httplib::Request& request);

    void ShortUrl(const httplib::Request& request, httplib::Response& response);
    void Icon(const httplib::Request& request, httplib::Response& response);
    void WebPage(const httplib::Request& request, httplib::Response& response);

    void AdminFault(const httplib::Request& request, httplib::Response& response);
    void AdminPost(const httplib::Request& request, httplib::Response& response);
    void AdminShortUrl(const httplib::Request& request, httplib::Response& response);

    TServiceOptions Options;
    httplib::Server Server;
    int Port = 0;
    std::unique_ptr<TStatusFeed> Feed;
    TFaults Faults;
    TRateCounter Rate;
    TRequestLog Log;
    std::atomic<bool> Stopping = false;

    std::mutex ServedMutex;
    std::set<int> ServedIds;

    std::mutex IconMutex;
    std::map<QString, TIcons::TIcon> IconCache;
};
