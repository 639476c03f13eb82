#include "HttpClient.h"

#include "CurlTransfer.h"
#include "SocketTransfer.h"

void THttpClient::SetBasicAuth(const QByteArray& user, const QByteArray& password) {
    Setup.Authenticate = true;
    Setup.User = user;
    Setup.Password = password;
}

THttpResponse THttpClient::Get(const QByteArray& url) const {
    return Perform(THttpMethod::Get, url, {});
}

THttpResponse THttpClient::Head(const QByteArray& url) const {
    return Perform(THttpMethod::Head, url, {});
}

THttpResponse THttpClient::PostForm(const QByteArray& url, const QByteArray& body) const {
    return Perform(THttpMethod::Post, url, body);
}

THttpResponse THttpClient::Perform(THttpMethod method, const QByteArray& url,
                                   const QByteArray& body) const {
    if (Setup.StopFlag && Setup.StopFlag->load())
        throw THttpError(THttpErrorKind::Stopped, 0, "stopped");
    THttpRequest request = Setup;
    request.Method = method;
    request.Url = url;
    request.Body = body;
    return IsPlainHttp(request) ? SocketTransfer(request) : CurlTransfer(request);
}
