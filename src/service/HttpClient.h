#pragma once

#include <atomic>

#include <QByteArray>

#include "HttpError.h"
#include "HttpRequest.h"

// One blocking HTTP exchange per call, on the calling thread, over a
// connection of its own. A plain http:// exchange goes straight over a socket
// (TSocketTransfer); https:// and a proxy named by an https:// address go
// through libcurl, loaded by the first such request. Redirects are never
// followed: a 3xx comes back as a THttpError of kind Status with its
// Location. Every failure throws THttpError.
class THttpClient final {
public:
    // Basic authentication sent with the first request, not after a challenge.
    void SetBasicAuth(const QByteArray& user, const QByteArray& password);
    void AddHeader(const QByteArray& line) { Setup.Headers.append(line); }
    // Empty: no User-Agent line.
    void SetUserAgent(const QByteArray& userAgent) { Setup.UserAgent = userAgent; }
    void SetProxy(const THttpProxy& proxy) { Setup.Proxy = proxy; }
    void SetHttp10(bool on) { Setup.Http10 = on; }
    // A body longer than this fails the request.
    void SetBodyCap(qsizetype bytes) { Setup.BodyCap = bytes; }
    // A request over any of these fails as a transport error.
    void SetTimeouts(const THttpTimeouts& timeouts) { Setup.Timeouts = timeouts; }
    // Checked while the transfer runs; when it turns true the transfer is
    // abandoned within a few tens of milliseconds.
    void SetStopFlag(const std::atomic<bool>* flag) { Setup.StopFlag = flag; }

    THttpResponse Get(const QByteArray& url) const;
    THttpResponse Head(const QByteArray& url) const;
    // A form POST; the body goes out exactly as given.
    THttpResponse PostForm(const QByteArray& url, const QByteArray& body) const;

private:
    THttpResponse Perform(THttpMethod method, const QByteArray& url, const QByteArray& body) const;

    // Everything but the method, address and body.
    THttpRequest Setup;
};
