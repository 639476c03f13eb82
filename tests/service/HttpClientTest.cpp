#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "HttpClient.h"
#include "RecordingServer.h"
#include "WorkerRun.h"

namespace {
using namespace std::chrono_literals;

// Runs the call and returns the error it throws; fails the test when it throws none.
template <class Call>
THttpError ErrorOf(Call call) {
    try {
        call();
    } catch (const THttpError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return THttpError(THttpErrorKind::Transport, 0, "none");
}

TEST(HttpClient, SendsCredentialsHeadersAndUserAgentWithTheFirstRequest) {
    TRecordingServer server([](const httplib::Request&, httplib::Response& response) {
        response.set_content("本文", "text/plain");
    });
    THttpClient client;
    client.SetBasicAuth("taro", "pass");
    client.AddHeader("X-One: 1");
    client.AddHeader("X-Two: zwei");
    client.SetUserAgent("Quorbel/0.52");
    const THttpResponse response = client.Get(server.Url().toUtf8() + "/a/b?c=1");

    EXPECT_EQ(response.Status, 200);
    EXPECT_EQ(response.Body, "本文");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Method, "GET");
    EXPECT_EQ(requests[0].Target, "/a/b?c=1");
    EXPECT_EQ(requests[0].Version, "HTTP/1.1");
    EXPECT_EQ(requests[0].Header("Authorization"), "Basic dGFybzpwYXNz");
    EXPECT_EQ(requests[0].Header("X-One"), "1");
    EXPECT_EQ(requests[0].Header("X-Two"), "zwei");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Quorbel/0.52");
}

TEST(HttpClient, PlainClientSendsNoCredentialsAndNoUserAgent) {
    TRecordingServer server;
    (void)THttpClient().Head(server.Url().toUtf8() + "/x");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Method, "HEAD");
    EXPECT_FALSE(requests[0].HasHeader("Authorization"));
    EXPECT_FALSE(requests[0].HasHeader("User-Agent"));
}

TEST(HttpClient, FormPostGoesOutAsGivenOverHttp10) {
    TRecordingServer server;
    THttpClient client;
    client.SetHttp10(true);
    (void)client.PostForm(server.Url().toUtf8() + "/p", "status=%E3%81%82+*Qb*%25&source=Quorbel&");
    (void)client.PostForm(server.Url().toUtf8() + "/empty", {});
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Method, "POST");
    EXPECT_EQ(requests[0].Version, "HTTP/1.0");
    EXPECT_EQ(requests[0].Body, "status=%E3%81%82+*Qb*%25&source=Quorbel&");
    EXPECT_EQ(requests[0].Header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_FALSE(requests[0].HasHeader("Expect"));
    EXPECT_EQ(requests[1].Body, "");
    EXPECT_EQ(requests[1].Header("Content-Length"), "0");
}

TEST(HttpClient, ErrorStatusesAndRedirectsCarryTheStatus) {
    struct TCase {
        int Status;
        const char* Location;
    };
    for (const TCase& c :
         {TCase{301, "http://example.com/long"}, TCase{302, "/elsewhere"}, TCase{301, nullptr},
          TCase{400, nullptr}, TCase{401, nullptr}, TCase{404, nullptr}, TCase{500, nullptr}}) {
        SCOPED_TRACE(c.Status);
        TRecordingServer server([&c](const httplib::Request&, httplib::Response& response) {
            response.status = c.Status;
            if (c.Location)
                response.set_header("Location", c.Location);
        });
        const THttpError error = ErrorOf([&] { (void)THttpClient().Head(server.Url().toUtf8()); });
        EXPECT_EQ(error.Kind, THttpErrorKind::Status);
        EXPECT_EQ(error.Status, c.Status);
        EXPECT_EQ(error.Location, c.Location ? QByteArray(c.Location) : QByteArray());
        EXPECT_EQ(server.Requests().size(), 1u) << "a redirect is never followed";
    }
}

TEST(HttpClient, TransportFailuresAreNotStatusErrors) {
    const QByteArray unreachable = "http://127.0.0.1:" + QByteArray::number(UnusedPort()) + "/";
    for (const QByteArray& url : {unreachable, QByteArray("file:///etc/hostname"),
                                  QByteArray("ftp://127.0.0.1/x"), QByteArray("not a url")}) {
        SCOPED_TRACE(url.toStdString());
        const THttpError error = ErrorOf([&] { (void)THttpClient().Get(url); });
        EXPECT_EQ(error.Kind, THttpErrorKind::Transport);
        EXPECT_EQ(error.Status, 0);
    }
}

// Icon and short-URL addresses come from replies: one that would break a
// request line or add a header is refused before anything is sent.
TEST(HttpClient, AnAddressThatWouldAddAHeaderIsNeverSent) {
    TRecordingServer server;
    for (const QByteArray& tail :
         {QByteArray("/icon\r\nX-Injected: yes"), QByteArray("/icon HTTP/1.0\r\nX-Injected: yes"),
          QByteArray("/icon\nX-Injected: yes")}) {
        SCOPED_TRACE(tail.toStdString());
        EXPECT_EQ(ErrorOf([&] { (void)THttpClient().Get(server.Url().toUtf8() + tail); }).Kind,
                  THttpErrorKind::Transport);
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST(HttpClient, BodyOverTheCapFails) {
    for (const bool chunked : {false, true}) {
        SCOPED_TRACE(chunked);
        TRecordingServer server([chunked](const httplib::Request&, httplib::Response& response) {
            const std::string body(2048, 'x');
            if (!chunked) {
                response.set_content(body, "text/plain");
                return;
            }
            // No Content-Length: the cap must hold while the body streams in.
            response.set_chunked_content_provider("text/plain",
                                                  [body](size_t, httplib::DataSink& sink) {
                                                      sink.write(body.data(), body.size());
                                                      sink.done();
                                                      return true;
                                                  });
        });
        THttpClient client;
        client.SetBodyCap(2048);
        EXPECT_EQ(client.Get(server.Url().toUtf8()).Body.size(), 2048);
        client.SetBodyCap(2047);
        EXPECT_EQ(ErrorOf([&] { (void)client.Get(server.Url().toUtf8()); }).Kind,
                  THttpErrorKind::TooLarge);
        // A HEAD answer names a length but brings no body.
        EXPECT_EQ(client.Head(server.Url().toUtf8()).Status, 200);
    }
}

TEST(HttpClient, TheDeadlineEndsABodyTricklingAboveTheLowSpeedLimit) {
    TRecordingServer server([](const httplib::Request&, httplib::Response& response) {
        TrickleBody(response, std::string(40, 'x'), 200ms); // five bytes a second, for 8 s
    });
    THttpClient client;
    client.SetTimeouts({.LowSpeed = 1s, .Deadline = 1500ms});
    const auto started = std::chrono::steady_clock::now();
    const THttpError error = ErrorOf([&] { (void)client.Get(server.Url().toUtf8()); });
    EXPECT_EQ(error.Kind, THttpErrorKind::Transport);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
}

TEST(HttpClient, ProxyGetsTheAbsoluteUrlAndItsCredentials) {
    TRecordingServer proxy([](const httplib::Request&, httplib::Response& response) {
        response.set_content("via proxy", "text/plain");
    });
    THttpClient client;
    client.SetProxy({"127.0.0.1", proxy.Port(), "puser", "ppass"});
    const THttpResponse response = client.Get("http://wassr.invalid/statuses/x.json?1");
    EXPECT_EQ(response.Body, "via proxy");
    const auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Target, "http://wassr.invalid/statuses/x.json?1");
    EXPECT_EQ(requests[0].Header("Proxy-Authorization"), "Basic cHVzZXI6cHBhc3M=");
}

TEST(HttpClient, ProxyWithoutUserSendsNoProxyCredentials) {
    TRecordingServer proxy;
    THttpClient client;
    client.SetProxy({"127.0.0.1", proxy.Port(), {}, {}});
    (void)client.Get("http://wassr.invalid/");
    ASSERT_EQ(proxy.Requests().size(), 1u);
    EXPECT_FALSE(proxy.Requests()[0].HasHeader("Proxy-Authorization"));
}

TEST(HttpClient, NoProxyIgnoresTheEnvironment) {
    TRecordingServer proxy;
    TRecordingServer server;
    const QByteArray saved = qgetenv("http_proxy");
    qputenv("http_proxy", proxy.Url().toUtf8());
    (void)THttpClient().Get(server.Url().toUtf8() + "/direct");
    if (saved.isNull())
        qunsetenv("http_proxy");
    else
        qputenv("http_proxy", saved);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_TRUE(proxy.Requests().empty());
}

TEST(HttpClient, StopFlagAbandonsATransferThatNeverCompletes) {
    TRecordingServer server([&](const httplib::Request&, httplib::Response&) {
        while (!server.ReleaseRequested())
            std::this_thread::sleep_for(5ms);
    });
    std::atomic<bool> stop = false;
    THttpClient client;
    client.SetStopFlag(&stop);
    std::thread stopper([&] {
        while (server.Requests().empty())
            std::this_thread::sleep_for(1ms);
        stop = true;
    });
    const auto started = std::chrono::steady_clock::now();
    const THttpError error = ErrorOf([&] { (void)client.Get(server.Url().toUtf8()); });
    stopper.join();
    EXPECT_EQ(error.Kind, THttpErrorKind::Stopped);
    // Loose: the transfer is abandoned long before any time-out would end it.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
    // A set flag stops the next request before it is sent.
    EXPECT_EQ(ErrorOf([&] { (void)client.Get(server.Url().toUtf8()); }).Kind,
              THttpErrorKind::Stopped);
    EXPECT_EQ(server.Requests().size(), 1u);
}
} // namespace
