#include <string>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "HttpClient.h"
#include "HttpUrl.h"

namespace {

// A server on 127.0.0.1 for one exchange, written byte by byte: it records
// the request as it arrived and answers with the given bytes, then closes.
class TRawServer final {
public:
    explicit TRawServer(std::string answer) : Answer(std::move(answer)) {
        Listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(Listener, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(Listener, 1);
        ::getsockname(Listener, reinterpret_cast<sockaddr*>(&address), &length);
        Port = ntohs(address.sin_port);
        Thread = std::thread([this] { Serve(); });
    }
    ~TRawServer() {
        ::shutdown(Listener, SHUT_RDWR);
        Thread.join();
        ::close(Listener);
    }

    QByteArray Url(const char* target = "/x") const {
        return "http://127.0.0.1:" + QByteArray::number(Port) + target;
    }
    int Port = 0;
    std::string Received;

private:
    void Serve() {
        const int connection = ::accept(Listener, nullptr, nullptr);
        if (connection < 0)
            return;
        char chunk[4096];
        std::size_t bodyEnd = std::string::npos;
        while (bodyEnd == std::string::npos || Received.size() < bodyEnd) {
            const ssize_t got = ::recv(connection, chunk, sizeof chunk, 0);
            if (got <= 0)
                break;
            Received.append(chunk, std::size_t(got));
            const std::size_t headEnd = Received.find("\r\n\r\n");
            if (bodyEnd == std::string::npos && headEnd != std::string::npos) {
                const std::size_t length = Received.find("Content-Length: ");
                bodyEnd =
                    headEnd + 4 + (length < headEnd ? std::stoul(Received.substr(length + 16)) : 0);
            }
        }
        ::send(connection, Answer.data(), Answer.size(), MSG_NOSIGNAL);
        ::close(connection);
    }

    const std::string Answer;
    int Listener = -1;
    std::thread Thread;
};

TEST(HttpUrl, AnAddressBecomesHostPortHostLineAndTarget) {
    struct Case {
        const char* Url;
        const char* Host;
        int Port;
        const char* HostHeader;
        const char* Target;
    };
    for (const Case& c : {
             Case{"http://wassr.jp/statuses/x.json?page=2", "wassr.jp", 80, "wassr.jp",
                  "/statuses/x.json?page=2"},
             Case{"HTTP://127.0.0.1:8080", "127.0.0.1", 8080, "127.0.0.1:8080", "/"},
             Case{"http://h:80/a#frag", "h", 80, "h", "/a"},
             Case{"http://h?q=1", "h", 80, "h", "/?q=1"},
             Case{"http://[::1]:81/%E3%81%82", "::1", 81, "[::1]:81", "/%E3%81%82"},
         }) {
        SCOPED_TRACE(c.Url);
        const std::optional<THttpUrl> url = ParseHttpUrl(c.Url);
        ASSERT_TRUE(url);
        EXPECT_EQ(url->Host, c.Host);
        EXPECT_EQ(url->Port, c.Port);
        EXPECT_EQ(url->HostHeader, c.HostHeader);
        EXPECT_EQ(url->Target, c.Target);
    }
    for (const char* bad : {"https://h/", "ftp://h/", "http://", "http:///x", "http://h:0/",
                            "http://h:99999/", "http://h:8x/", "http://user:pw@h/", "http://h/a b",
                            "http://h/a\r\nX: 1", "http://[::1/"})
        EXPECT_FALSE(ParseHttpUrl(bad)) << bad;
}

// The request goes out line for line as libcurl wrote it, proxy lines included.
TEST(SocketTransfer, TheRequestIsWrittenAsBefore) {
    {
        TRawServer server("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok");
        THttpClient client;
        client.SetBasicAuth("taro", "pass");
        client.SetUserAgent("Quorbel/0.52");
        client.AddHeader("X-One: 1");
        client.SetHttp10(true);
        EXPECT_EQ(client.PostForm(server.Url("/x?y"), "a=b").Body, "ok");
        EXPECT_EQ(server.Received,
                  "POST /x?y HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(server.Port) +
                      "\r\nAuthorization: Basic dGFybzpwYXNz\r\nUser-Agent: Quorbel/0.52\r\n"
                      "Accept: */*\r\nX-One: 1\r\nContent-Length: 3\r\n"
                      "Content-Type: application/x-www-form-urlencoded\r\n\r\na=b");
    }
    {
        TRawServer proxy("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
        THttpClient client;
        client.SetBasicAuth("taro", "pass");
        client.SetProxy({"127.0.0.1", proxy.Port, "puser", "ppass"});
        (void)client.Get("http://wassr.invalid/statuses/x.json?1");
        EXPECT_EQ(proxy.Received,
                  "GET http://wassr.invalid/statuses/x.json?1 HTTP/1.1\r\nHost: wassr.invalid\r\n"
                  "Proxy-Authorization: Basic cHVzZXI6cHBhc3M=\r\n"
                  "Authorization: Basic dGFybzpwYXNz\r\nAccept: */*\r\n"
                  "Proxy-Connection: Keep-Alive\r\n\r\n");
    }
}

// Answers as servers write them: the body is what they meant, or the
// exchange fails as a transport error, never as a short or padded body.
TEST(SocketTransfer, AnswersAreReadByTheirLengthChunksOrEnd) {
    struct Case {
        const char* Name;
        const char* Answer;
        const char* Body; // null: a transport error
    };
    for (const Case& c : {
             Case{"to the end", "HTTP/1.0 200 OK\r\n\r\nto the end", "to the end"},
             Case{"interim answer first",
                  "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nbody",
                  "body"},
             Case{"chunks with an extension and a trailer",
                  "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                  "3;x=y\r\nabc\r\n2\r\nde\r\n0\r\nX-Trailer: 1\r\n\r\n",
                  "abcde"},
             Case{"bare line feeds", "HTTP/1.1 200 OK\nContent-Length: 2\n\nok", "ok"},
             Case{"cut short", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort", nullptr},
             Case{"chunk cut short",
                  "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nA\r\nshort", nullptr},
             Case{"no status line", "hello\r\n\r\n", nullptr},
             Case{"nothing at all", "", nullptr},
             Case{"a length that is no number", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n",
                  nullptr},
         }) {
        SCOPED_TRACE(c.Name);
        TRawServer server(c.Answer);
        try {
            const THttpResponse response = THttpClient().Get(server.Url());
            EXPECT_EQ(response.Body, c.Body ? QByteArray(c.Body) : QByteArray("(an error)"));
        } catch (const THttpError& error) {
            EXPECT_EQ(c.Body, nullptr) << error.what();
            EXPECT_EQ(error.Kind, THttpErrorKind::Transport);
        }
    }
}

} // namespace
