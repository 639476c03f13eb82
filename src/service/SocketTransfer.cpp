#include "SocketTransfer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QLoggingCategory>

#include "HttpError.h"
#include "HttpUrl.h"

namespace {
Q_LOGGING_CATEGORY(lcSocket, "quorbel.http", QtWarningMsg)

using TClock = std::chrono::steady_clock;

// How long one wait for the socket lasts, so the stop flag is seen promptly.
constexpr auto PollStep = std::chrono::milliseconds(20);
// A status line or header line longer than this is no answer worth reading.
constexpr qsizetype LineCap = 64 * 1024;
constexpr qsizetype HeaderCap = 256 * 1024;

[[noreturn]] void ThrowTransport(const std::string& what) {
    throw THttpError(THttpErrorKind::Transport, 0, what);
}

[[noreturn]] void ThrowTooLarge() {
    throw THttpError(THttpErrorKind::TooLarge, 0, "reply body too large");
}

QByteArray BasicCredentials(const QByteArray& user, const QByteArray& password) {
    return "Basic " + (user + ':' + password).toBase64();
}

// The socket of one exchange, with the clocks that bound it: the stop flag,
// the deadline of the whole exchange and the low-speed rule (less than one
// byte a second over the low-speed time ends it).
class TConnection final {
public:
    explicit TConnection(const THttpRequest& request)
        : Request(request), Started(TClock::now()), WindowStart(Started) {}
    ~TConnection() {
        if (Socket >= 0)
            ::close(Socket);
    }
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;

    void Connect(const QByteArray& host, int port);
    void Send(QByteArrayView bytes);
    // Appends what arrives to Buffer; false at the end of the connection.
    bool Receive();

    QByteArray Buffer;

private:
    // Waits until the socket is ready for events or the step ends; throws
    // when the exchange must end. until: an earlier end for this wait.
    bool Wait(short events, TClock::time_point until);
    void Count(qsizetype bytes);

    const THttpRequest& Request;
    const TClock::time_point Started;
    TClock::time_point WindowStart;
    qsizetype WindowBytes = 0;
    int Socket = -1;
};

bool TConnection::Wait(short events, TClock::time_point until) {
    if (Request.StopFlag && Request.StopFlag->load())
        throw THttpError(THttpErrorKind::Stopped, 0, "stopped");
    const TClock::time_point now = TClock::now();
    if (now - Started >= Request.Timeouts.Deadline)
        ThrowTransport("the exchange took longer than its deadline");
    if (now >= until)
        ThrowTransport("no connection within the connect time");
    if (now - WindowStart >= Request.Timeouts.LowSpeed) {
        if (WindowBytes < Request.Timeouts.LowSpeed.count())
            ThrowTransport("the transfer fell below one byte a second");
        WindowStart = now;
        WindowBytes = 0;
    }
    const auto step = std::min<TClock::duration>(PollStep, until - now);
    pollfd watched{Socket, events, 0};
    const int ready =
        ::poll(&watched, 1, int(std::chrono::ceil<std::chrono::milliseconds>(step).count()));
    if (ready < 0 && errno != EINTR)
        ThrowTransport(std::string("poll: ") + std::strerror(errno));
    return ready > 0;
}

void TConnection::Count(qsizetype bytes) {
    WindowBytes += bytes;
}

void TConnection::Connect(const QByteArray& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const QByteArray service = QByteArray::number(port);
    if (const int failed = ::getaddrinfo(host.constData(), service.constData(), &hints, &found))
        ThrowTransport(std::string("cannot resolve ") + host.toStdString() + ": " +
                       ::gai_strerror(failed));
    std::string lastError = "no address";
    const TClock::time_point until = TClock::now() + Request.Timeouts.Connect;
    for (const addrinfo* address = found; address && Socket < 0; address = address->ai_next) {
        const int fd =
            ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                     address->ai_protocol);
        if (fd < 0)
            continue;
        Socket = fd;
        try {
            if (::connect(fd, address->ai_addr, address->ai_addrlen) != 0 && errno != EINPROGRESS)
                throw THttpError(THttpErrorKind::Transport, 0, std::strerror(errno));
            while (!Wait(POLLOUT, until)) {
            }
            int error = 0;
            socklen_t length = sizeof error;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
            if (error != 0)
                throw THttpError(THttpErrorKind::Transport, 0, std::strerror(error));
        } catch (const THttpError& failure) {
            ::close(fd);
            Socket = -1;
            if (failure.Kind != THttpErrorKind::Transport) {
                ::freeaddrinfo(found);
                throw;
            }
            lastError = failure.what();
        }
    }
    ::freeaddrinfo(found);
    if (Socket < 0)
        ThrowTransport("cannot connect to " + host.toStdString() + ": " + lastError);
}

void TConnection::Send(QByteArrayView bytes) {
    const TClock::time_point never = TClock::time_point::max();
    while (!bytes.isEmpty()) {
        const ssize_t sent = ::send(Socket, bytes.data(), size_t(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            Count(sent);
            bytes = bytes.sliced(sent);
        } else if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            ThrowTransport(std::string("send: ") + std::strerror(errno));
        } else {
            Wait(POLLOUT, never);
        }
    }
}

bool TConnection::Receive() {
    const TClock::time_point never = TClock::time_point::max();
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t got = ::recv(Socket, chunk, sizeof chunk, 0);
        if (got > 0) {
            Count(got);
            Buffer.append(chunk, got);
            return true;
        }
        if (got == 0)
            return false;
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            ThrowTransport(std::string("recv: ") + std::strerror(errno));
        Wait(POLLIN, never);
    }
}

// The answer as it is read off the connection.
class TAnswerReader final {
public:
    explicit TAnswerReader(TConnection& connection) : Connection(connection) {}

    // One line without its CR LF; a connection that ends first fails.
    QByteArray Line() {
        qsizetype end;
        while ((end = Connection.Buffer.indexOf('\n', Scanned)) < 0) {
            Scanned = Connection.Buffer.size();
            if (Scanned > LineCap)
                ThrowTransport("a line of the answer is too long");
            if (!Connection.Receive())
                ThrowTransport("the connection ended inside the answer's header");
        }
        QByteArray line = Connection.Buffer.first(end);
        Connection.Buffer.remove(0, end + 1);
        Scanned = 0;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    // Exactly count bytes appended to body; a connection that ends first fails.
    void Exactly(qsizetype count, QByteArray& body) {
        while (Connection.Buffer.size() < count) {
            if (!Connection.Receive())
                ThrowTransport("the connection ended inside the body");
        }
        body.append(Connection.Buffer.first(count));
        Connection.Buffer.remove(0, count);
    }

    // Everything up to the end of the connection, at most cap bytes.
    void ToEnd(qsizetype cap, QByteArray& body) {
        do {
            if (body.size() + Connection.Buffer.size() > cap)
                ThrowTooLarge();
            body.append(Connection.Buffer);
            Connection.Buffer.clear();
        } while (Connection.Receive());
    }

private:
    TConnection& Connection;
    qsizetype Scanned = 0;
};

struct THead {
    long Status = 0;
    QByteArray Location;
    std::optional<qsizetype> Length;
    bool Chunked = false;
};

THead ReadHead(TAnswerReader& reader) {
    for (;;) {
        const QByteArray statusLine = reader.Line();
        const QList<QByteArray> parts = statusLine.split(' ');
        bool ok = false;
        THead head;
        head.Status = parts.size() >= 2 && parts[0].startsWith("HTTP/") ? parts[1].toLong(&ok) : 0;
        if (!ok || head.Status < 100 || head.Status > 999)
            ThrowTransport("the answer has no status line");
        qsizetype headerBytes = 0;
        for (QByteArray line = reader.Line(); !line.isEmpty(); line = reader.Line()) {
            headerBytes += line.size();
            if (headerBytes > HeaderCap)
                ThrowTransport("the answer's header is too large");
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.first(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "location") {
                head.Location = value;
            } else if (name == "content-length") {
                const qlonglong length = value.toLongLong(&ok);
                if (!ok || length < 0)
                    ThrowTransport("the answer's length is not a number");
                head.Length = length;
            } else if (name == "transfer-encoding") {
                head.Chunked = value.toLower().contains("chunked");
            }
        }
        // An interim answer (100 Continue and the like) is followed by the real one.
        if (head.Status >= 200)
            return head;
    }
}

void ReadChunked(TAnswerReader& reader, qsizetype cap, QByteArray& body) {
    for (;;) {
        QByteArray sizeLine = reader.Line();
        if (const qsizetype extension = sizeLine.indexOf(';'); extension >= 0)
            sizeLine.truncate(extension);
        bool ok = false;
        const qlonglong size = sizeLine.trimmed().toLongLong(&ok, 16);
        if (!ok || size < 0)
            ThrowTransport("a chunk of the answer has no size");
        if (size == 0)
            break;
        if (size > cap - body.size())
            ThrowTooLarge();
        reader.Exactly(size, body);
        if (!reader.Line().isEmpty())
            ThrowTransport("a chunk of the answer does not end where its size says");
    }
    // Trailer lines up to the empty one.
    while (!reader.Line().isEmpty()) {
    }
}

QByteArray RequestText(const THttpRequest& request, const THttpUrl& url, bool proxied) {
    static constexpr const char* Methods[] = {"GET", "HEAD", "POST"};
    QByteArray text = Methods[int(request.Method)];
    text += ' ' + (proxied ? url.Absolute() : url.Target) +
            (request.Http10 ? " HTTP/1.0\r\n" : " HTTP/1.1\r\n");
    text += "Host: " + url.HostHeader + "\r\n";
    if (proxied && !request.Proxy.User.isEmpty())
        text +=
            "Proxy-Authorization: " + BasicCredentials(request.Proxy.User, request.Proxy.Password) +
            "\r\n";
    if (request.Authenticate)
        text += "Authorization: " + BasicCredentials(request.User, request.Password) + "\r\n";
    if (!request.UserAgent.isEmpty())
        text += "User-Agent: " + request.UserAgent + "\r\n";
    text += "Accept: */*\r\n";
    if (proxied)
        text += "Proxy-Connection: Keep-Alive\r\n";
    for (const QByteArray& line : request.Headers)
        text += line + "\r\n";
    if (request.Method == THttpMethod::Post) {
        text += "Content-Length: " + QByteArray::number(request.Body.size()) + "\r\n";
        text += "Content-Type: application/x-www-form-urlencoded\r\n";
    }
    text += "\r\n";
    return text + request.Body;
}

// The proxy's host and port; the host may be written as an http:// address.
std::pair<QByteArray, int> ProxyAddress(const THttpProxy& proxy) {
    QByteArray host = proxy.Host;
    if (IsHttpScheme(host))
        host = host.mid(7);
    while (host.endsWith('/'))
        host.chop(1);
    if (host.startsWith('[') && host.endsWith(']'))
        host = host.mid(1, host.size() - 2);
    return {host, proxy.Port};
}

} // namespace

bool IsPlainHttp(const THttpRequest& request) {
    return IsHttpScheme(request.Url) &&
           (request.Proxy.Host.isEmpty() || !request.Proxy.Host.contains("://") ||
            IsHttpScheme(request.Proxy.Host));
}

THttpResponse SocketTransfer(const THttpRequest& request) {
    const std::optional<THttpUrl> url = ParseHttpUrl(request.Url);
    if (!url) {
        qCDebug(lcSocket) << request.Url << "is no address to send";
        ThrowTransport("the address cannot be sent");
    }
    const bool proxied = !request.Proxy.Host.isEmpty();
    TConnection connection(request);
    if (proxied) {
        const auto [host, port] = ProxyAddress(request.Proxy);
        connection.Connect(host, port);
    } else {
        connection.Connect(url->Host, url->Port);
    }
    connection.Send(RequestText(request, *url, proxied));

    TAnswerReader reader(connection);
    const THead head = ReadHead(reader);
    THttpResponse response{head.Status, {}, head.Location};
    const bool bodyless =
        request.Method == THttpMethod::Head || head.Status == 204 || head.Status == 304;
    // A declared length over the cap fails before the body comes; a HEAD
    // answer announces the length of a body it never sends.
    if (!bodyless && head.Length && *head.Length > request.BodyCap)
        ThrowTooLarge();
    if (head.Status < 200 || head.Status > 299) {
        qCDebug(lcSocket) << request.Url << "status" << head.Status;
        throw THttpError(THttpErrorKind::Status, head.Status,
                         "HTTP status " + std::to_string(head.Status), head.Location);
    }
    if (bodyless)
        return response;
    if (head.Chunked)
        ReadChunked(reader, request.BodyCap, response.Body);
    else if (head.Length)
        reader.Exactly(*head.Length, response.Body);
    else
        reader.ToEnd(request.BodyCap, response.Body);
    return response;
}
