#include "CurlTransfer.h"

#include <memory>
#include <string>

#include <QLoggingCategory>

#include "CurlLibrary.h"
#include "HttpError.h"

namespace {
Q_LOGGING_CATEGORY(lcHttp, "quorbel.http", QtWarningMsg)

// A transfer that moves less than this a second for the low-speed time is dropped.
constexpr long LowSpeedBytes = 1;
// How long one wait for socket activity lasts, so the stop flag is seen promptly.
constexpr int PollMilliseconds = 20;

struct TTransfer {
    qsizetype Cap = 0;
    bool Overflow = false;
    QByteArray Body;
    QByteArray Location;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<TTransfer*>(user);
    const auto bytes = qsizetype(size * count);
    if (bytes > transfer->Cap - transfer->Body.size()) {
        transfer->Overflow = true;
        return 0; // anything short of the full count fails the transfer
    }
    transfer->Body.append(data, bytes);
    return size_t(bytes);
}

size_t ReadHeader(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<TTransfer*>(user);
    const size_t bytes = size * count;
    const QByteArray line = QByteArray(data, qsizetype(bytes)).trimmed();
    static constexpr QByteArrayView locationName = "location:";
    if (line.startsWith("HTTP/"))
        transfer->Location.clear(); // only the last response of the exchange counts
    else if (line.size() >= locationName.size() &&
             line.first(locationName.size()).toLower() == locationName)
        transfer->Location = line.mid(locationName.size()).trimmed();
    return bytes;
}

// Only reached once a request has loaded the library.
const TCurlLibrary& Curl() {
    return *TCurlLibrary::Get();
}

struct TEasyDeleter {
    void operator()(CURL* easy) const { Curl().EasyCleanup(easy); }
};
struct TMultiDeleter {
    void operator()(CURLM* multi) const { Curl().MultiCleanup(multi); }
};
struct TListDeleter {
    void operator()(curl_slist* list) const { Curl().SlistFreeAll(list); }
};

// Keeps the easy handle attached to the multi handle for one transfer.
class TAttachment final {
public:
    TAttachment(CURLM* multi, CURL* easy) : Multi(multi), Easy(easy) {
        Attached = Curl().MultiAddHandle(Multi, Easy) == CURLM_OK;
    }
    ~TAttachment() {
        if (Attached)
            Curl().MultiRemoveHandle(Multi, Easy);
    }
    TAttachment(const TAttachment&) = delete;
    TAttachment& operator=(const TAttachment&) = delete;

    bool Attached = false;

private:
    CURLM* Multi;
    CURL* Easy;
};

[[noreturn]] void ThrowTransport(const QByteArray& url, const std::string& what) {
    qCDebug(lcHttp) << url << QByteArray::fromStdString(what);
    throw THttpError(THttpErrorKind::Transport, 0, what);
}
} // namespace

THttpResponse CurlTransfer(const THttpRequest& request) {
    const QByteArray& url = request.Url;
    const auto stopRequested = [&request] { return request.StopFlag && request.StopFlag->load(); };

    const TCurlLibrary* library = TCurlLibrary::Get();
    if (!library)
        ThrowTransport(url, "libcurl could not be loaded");
    const TCurlLibrary& curl = *library;

    // Declared before the handles that point at them, so they outlive them.
    TTransfer transfer;
    transfer.Cap = request.BodyCap;
    char errorText[CURL_ERROR_SIZE] = {};
    std::unique_ptr<curl_slist, TListDeleter> headerList;
    QByteArray proxyUrl;

    const std::unique_ptr<CURL, TEasyDeleter> easyHandle(curl.EasyInit());
    const std::unique_ptr<CURLM, TMultiDeleter> multiHandle(curl.MultiInit());
    if (!easyHandle || !multiHandle)
        ThrowTransport(url, "libcurl could not make a handle");
    CURL* easy = easyHandle.get();

    curl.EasySetopt(easy, CURLOPT_URL, url.constData());
    // Addresses come from replies (icons, short URLs): never let one reach a
    // local file or another protocol.
    curl.EasySetopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl.EasySetopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl.EasySetopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl.EasySetopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(request.Timeouts.Connect.count()));
    curl.EasySetopt(easy, CURLOPT_LOW_SPEED_LIMIT, LowSpeedBytes);
    curl.EasySetopt(easy, CURLOPT_LOW_SPEED_TIME, long(request.Timeouts.LowSpeed.count()));
    curl.EasySetopt(easy, CURLOPT_TIMEOUT_MS, long(request.Timeouts.Deadline.count()));
    curl.EasySetopt(easy, CURLOPT_ERRORBUFFER, errorText);
    curl.EasySetopt(easy, CURLOPT_WRITEFUNCTION, WriteBody);
    curl.EasySetopt(easy, CURLOPT_WRITEDATA, &transfer);
    curl.EasySetopt(easy, CURLOPT_HEADERFUNCTION, ReadHeader);
    curl.EasySetopt(easy, CURLOPT_HEADERDATA, &transfer);
    if (request.Http10)
        curl.EasySetopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    if (request.Authenticate) {
        curl.EasySetopt(easy, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        curl.EasySetopt(easy, CURLOPT_USERNAME, request.User.constData());
        curl.EasySetopt(easy, CURLOPT_PASSWORD, request.Password.constData());
    }
    if (!request.UserAgent.isEmpty())
        curl.EasySetopt(easy, CURLOPT_USERAGENT, request.UserAgent.constData());

    for (const QByteArray& line : request.Headers) {
        curl_slist* head = curl.SlistAppend(headerList.get(), line.constData());
        if (!head)
            ThrowTransport(url, "out of memory for header lines");
        if (!headerList)
            headerList.reset(head);
    }
    if (headerList)
        curl.EasySetopt(easy, CURLOPT_HTTPHEADER, headerList.get());

    if (!request.Proxy.Host.isEmpty()) {
        proxyUrl = request.Proxy.Host.contains("://") ? request.Proxy.Host
                                                      : "http://" + request.Proxy.Host;
        proxyUrl += ':' + QByteArray::number(request.Proxy.Port);
    }
    // An empty proxy also keeps libcurl from taking one from the environment.
    curl.EasySetopt(easy, CURLOPT_PROXY, proxyUrl.constData());
    if (!proxyUrl.isEmpty() && !request.Proxy.User.isEmpty()) {
        curl.EasySetopt(easy, CURLOPT_PROXYAUTH, long(CURLAUTH_BASIC));
        curl.EasySetopt(easy, CURLOPT_PROXYUSERNAME, request.Proxy.User.constData());
        curl.EasySetopt(easy, CURLOPT_PROXYPASSWORD, request.Proxy.Password.constData());
    }

    // A declared length over the cap fails before the body comes; a HEAD
    // answer announces the length of a body it never sends.
    if (request.Method != THttpMethod::Head)
        curl.EasySetopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(request.BodyCap));
    switch (request.Method) {
    case THttpMethod::Get:
        break;
    case THttpMethod::Head:
        curl.EasySetopt(easy, CURLOPT_NOBODY, 1L);
        break;
    case THttpMethod::Post:
        curl.EasySetopt(easy, CURLOPT_POST, 1L);
        curl.EasySetopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.Body.size()));
        curl.EasySetopt(easy, CURLOPT_COPYPOSTFIELDS, request.Body.constData());
        break;
    }

    CURLM* multi = multiHandle.get();
    const TAttachment attachment(multi, easy);
    if (!attachment.Attached)
        ThrowTransport(url, "libcurl could not start the transfer");
    int running = 1;
    while (running > 0) {
        if (curl.MultiPerform(multi, &running) != CURLM_OK)
            ThrowTransport(url, "libcurl failed while transferring");
        if (running == 0)
            break;
        if (stopRequested())
            throw THttpError(THttpErrorKind::Stopped, 0, "stopped");
        if (curl.MultiPoll(multi, nullptr, 0, PollMilliseconds, nullptr) != CURLM_OK)
            ThrowTransport(url, "libcurl failed while waiting");
    }

    CURLcode result = CURLE_OK;
    int left = 0;
    while (const CURLMsg* message = curl.MultiInfoRead(multi, &left)) {
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    }
    if (transfer.Overflow || result == CURLE_FILESIZE_EXCEEDED) {
        qCDebug(lcHttp) << url << "body over" << request.BodyCap << "bytes";
        throw THttpError(THttpErrorKind::TooLarge, 0, "reply body too large");
    }
    if (result != CURLE_OK)
        ThrowTransport(url, errorText[0] != '\0' ? errorText : curl.EasyStrerror(result));

    long status = 0;
    curl.EasyGetinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) {
        qCDebug(lcHttp) << url << "status" << status;
        throw THttpError(THttpErrorKind::Status, status, "HTTP status " + std::to_string(status),
                         transfer.Location);
    }
    return {status, std::move(transfer.Body), std::move(transfer.Location)};
}
