#include <functional>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "QuorbelVersion.h"
#include "RecordingServer.h"
#include "TwitterDestroy.h"
#include "TwitterFavorite.h"
#include "TwitterFriends.h"
#include "TwitterRateLimit.h"
#include "TwitterReplies.h"
#include "TwitterUpdate.h"
#include "WorkerRun.h"

namespace {
// What one worker must put on the wire.
struct TWireCase {
    const char* Name;
    std::function<std::optional<int>(const TRequestSettings&)> Run;
    std::string Method;
    std::string TargetPattern;
    std::string Version;
    bool Identified;
    bool OwnUserAgent;
    std::string Body;
};

template <class W>
std::function<std::optional<int>(const TRequestSettings&)>
Runner(std::function<void(W&)> fill = {}) {
    return [fill](const TRequestSettings& settings) {
        auto* worker = new W(settings);
        if (fill)
            fill(*worker);
        return RunWorker(worker);
    };
}

std::vector<TWireCase> WireCases() {
    return {
        {"friends", Runner<TTwitterFriends>(), "GET", R"(/statuses/friends_timeline\.json\?\d{17})",
         "HTTP/1.1", true, true, ""},
        {"replies", Runner<TTwitterReplies>(), "GET", R"(/statuses/replies\.json\?\d{17})",
         "HTTP/1.1", true, true, ""},
        {"update", Runner<TTwitterUpdate>([](TTwitterUpdate& w) { w.Status = "abc+*Qb*"; }), "POST",
         "/statuses/update.json", "HTTP/1.0", true, true, "status=abc+*Qb*&source=Quorbel&"},
        {"update reply", Runner<TTwitterUpdate>([](TTwitterUpdate& w) {
             w.Status = "%40taro+%E3%81%82%25";
             w.RawText = QStringLiteral("@taro あ%");
             w.ReplyStatusRid = "Ab12Cd34Ef";
         }),
         "POST", "/statuses/update.json", "HTTP/1.0", true, true,
         "status=%40taro+%E3%81%82%25&source=Quorbel&reply_status_rid=Ab12Cd34Ef&"},
        {"favorite",
         Runner<TTwitterFavorite>([](TTwitterFavorite& w) { w.StatusRid = "Xy98Zw76Vu"; }), "POST",
         R"(/favorites/create/Xy98Zw76Vu\.json)", "HTTP/1.0", true, true, ""},
        {"destroy", Runner<TTwitterDestroy>([](TTwitterDestroy& w) { w.StatusID = 12345; }), "POST",
         R"(/statuses/destroy/12345\.xml)", "HTTP/1.0", true, false, ""},
        {"rate limit", Runner<TTwitterRateLimit>(), "GET", R"(/account/rate_limit_status\.xml)",
         "HTTP/1.1", true, false, ""},
        {"version", Runner<TQuorbelVersion>(), "GET", R"(/quorbel/ver\.dat)", "HTTP/1.1", false,
         false, ""},
    };
}

// Answers every path with a body its worker takes as a success.
void AnswerWell(const httplib::Request& request, httplib::Response& response) {
    if (request.path.ends_with(".xml"))
        response.set_content("<hash><hourly-limit>60</hourly-limit></hash>", "application/xml");
    else if (request.path.ends_with(".json"))
        response.set_content("[]", "application/json");
    else
        response.set_content("0.53\r\n", "text/plain");
}

TEST(WorkerRequest, EachWorkerSendsItsExactRequest) {
    for (const TWireCase& c : WireCases()) {
        SCOPED_TRACE(c.Name);
        TRecordingServer server(AnswerWell);
        EXPECT_EQ(c.Run(ServerSettings(server)), OutcomeDone);
        const auto requests = server.Requests();
        ASSERT_EQ(requests.size(), 1u);
        const TRecordedRequest& r = requests[0];
        EXPECT_EQ(r.Method, c.Method);
        EXPECT_TRUE(std::regex_match(r.Target, std::regex(c.TargetPattern))) << r.Target;
        EXPECT_EQ(r.Version, c.Version);
        EXPECT_EQ(r.Body, c.Body);
        if (c.Identified) {
            EXPECT_EQ(r.Header("Authorization"), "Basic dGFybzpwYXNz");
            EXPECT_EQ(r.Header("X-Twitter-Client"), "Quorbel");
            EXPECT_EQ(r.Header("X-Twitter-Client-Version"), "Ver0.52");
            EXPECT_EQ(r.Header("X-Twitter-Client-URL"),
                      server.Url().toStdString() + "/quorbel.xml");
        } else {
            for (const char* name : {"Authorization", "X-Twitter-Client",
                                     "X-Twitter-Client-Version", "X-Twitter-Client-URL"})
                EXPECT_FALSE(r.HasHeader(name)) << name;
        }
        EXPECT_EQ(r.Header("User-Agent"), c.OwnUserAgent ? "Quorbel/0.52" : "");
        if (c.Method == "POST") {
            EXPECT_EQ(r.Header("Content-Type"), "application/x-www-form-urlencoded");
        }
    }
}

// A rid is server text. Percent-encoding would not keep it in its place: many
// servers decode "%2F" before routing. Anything but letters, digits, "-" and
// "_" fails the command without a request; a real rid goes out unchanged.
TEST(WorkerRequest, ARidThatIsNotPlainIsNeverSent) {
    const char* hostile[] = {"../../statuses/destroy/77",
                             "r1&status=HIJACK&x=",
                             "a%2Fb",
                             "a b",
                             "\xe3\x81\x82",
                             "ok\n",
                             ""};
    for (const char* rid : hostile) {
        for (const bool reply : {true, false}) {
            SCOPED_TRACE(std::string(reply ? "reply to " : "favourite of ") + "\"" + rid + "\"");
            if (reply && !*rid)
                continue; // no rid: a plain post
            TRecordingServer server(AnswerWell);
            const std::optional<int> outcome =
                reply ? Runner<TTwitterUpdate>([rid](TTwitterUpdate& w) {
                    w.Status = "hi";
                    w.ReplyStatusRid = rid;
                })(ServerSettings(server))
                      : Runner<TTwitterFavorite>([rid](TTwitterFavorite& w) { w.StatusRid = rid; })(
                            ServerSettings(server));
            EXPECT_EQ(outcome, OutcomeError);
            EXPECT_TRUE(server.Requests().empty());
        }
    }
    TRecordingServer server(AnswerWell);
    EXPECT_EQ(Runner<TTwitterFavorite>([](TTwitterFavorite& w) { w.StatusRid = "a-Z_09"; })(
                  ServerSettings(server)),
              OutcomeDone);
    EXPECT_EQ(Runner<TTwitterUpdate>([](TTwitterUpdate& w) {
                  w.Status = "hi";
                  w.ReplyStatusRid = "a-Z_09";
              })(ServerSettings(server)),
              OutcomeDone);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Target, "/favorites/create/a-Z_09.json");
    EXPECT_EQ(requests[1].Body, "status=hi&source=Quorbel&reply_status_rid=a-Z_09&");
}

TEST(WorkerRequest, StatusCodesBecomeOutcomes) {
    struct TStatusCase {
        int Status;
        int Outcome;
        int VersionOutcome; // the version check knows no request limit
    };
    const TStatusCase statuses[] = {
        {200, OutcomeDone, OutcomeDone},      {201, OutcomeDone, OutcomeDone},
        {400, OutcomeApiLimit, OutcomeError}, {401, OutcomeError, OutcomeError},
        {403, OutcomeError, OutcomeError},    {404, OutcomeError, OutcomeError},
        {500, OutcomeError, OutcomeError},    {301, OutcomeError, OutcomeError},
        {302, OutcomeError, OutcomeError},
    };
    for (const TWireCase& c : WireCases()) {
        for (const TStatusCase& s : statuses) {
            SCOPED_TRACE(std::string(c.Name) + " " + std::to_string(s.Status));
            TRecordingServer server(
                [&s](const httplib::Request& request, httplib::Response& response) {
                    AnswerWell(request, response);
                    response.status = s.Status;
                    if (s.Status / 100 == 3)
                        response.set_header("Location", "http://127.0.0.1:1/elsewhere");
                });
            const bool isVersion = std::string(c.Name) == "version";
            EXPECT_EQ(c.Run(ServerSettings(server)), isVersion ? s.VersionOutcome : s.Outcome);
            EXPECT_EQ(server.Requests().size(), 1u) << "a redirect is not followed";
        }
    }
}

TEST(WorkerRequest, UnreachableServerGivesError) {
    TRecordingServer placeholder;
    TRequestSettings settings = ServerSettings(placeholder);
    const QString nowhere = QStringLiteral("http://127.0.0.1:%1").arg(UnusedPort());
    settings.ApiURL = settings.TwitterApiURL = settings.MakerURL = nowhere;
    for (const TWireCase& c : WireCases()) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Run(settings), OutcomeError);
    }
}

TEST(WorkerRequest, UnexpectedBodyIsAParseErrorOnlyWhereTheReplyIsRead) {
    TRecordingServer server([](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body>メンテナンス中</body>", "text/html");
    });
    const std::map<std::string, int> expected = {
        {"friends", OutcomeParseError},    {"replies", OutcomeParseError}, {"update", OutcomeDone},
        {"update reply", OutcomeDone},     {"favorite", OutcomeDone},      {"destroy", OutcomeDone},
        {"rate limit", OutcomeParseError}, {"version", OutcomeDone},
    };
    for (const TWireCase& c : WireCases()) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Run(ServerSettings(server)), expected.at(c.Name));
    }
}

TEST(WorkerRequest, ProxyOnGoesThroughTheProxyWithItsCredentials) {
    TRecordingServer proxy(AnswerWell);
    TRecordingServer server(AnswerWell);
    TRequestSettings settings = ServerSettings(server);
    settings.UseProxy = true;
    settings.ProxyServer = QStringLiteral("127.0.0.1");
    settings.ProxyPort = proxy.Port();
    settings.ProxyUser = QStringLiteral("puser");
    settings.ProxyPass = QStringLiteral("ppass");
    for (const TWireCase& c : WireCases())
        EXPECT_EQ(c.Run(settings), OutcomeDone) << c.Name;

    EXPECT_TRUE(server.Requests().empty());
    const auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), WireCases().size());
    for (const TRecordedRequest& r : requests) {
        EXPECT_TRUE(r.Target.starts_with(server.Url().toStdString() + "/")) << r.Target;
        EXPECT_EQ(r.Header("Proxy-Authorization"), "Basic cHVzZXI6cHBhc3M=");
    }
}

TEST(WorkerRequest, ProxyOffIgnoresFilledInProxyFields) {
    TRecordingServer proxy(AnswerWell);
    TRecordingServer server(AnswerWell);
    TRequestSettings settings = ServerSettings(server);
    settings.UseProxy = false;
    settings.ProxyServer = QStringLiteral("127.0.0.1");
    settings.ProxyPort = proxy.Port();
    settings.ProxyUser = QStringLiteral("puser");
    settings.ProxyPass = QStringLiteral("ppass");
    for (const TWireCase& c : WireCases())
        EXPECT_EQ(c.Run(settings), OutcomeDone) << c.Name;
    EXPECT_TRUE(proxy.Requests().empty());
    EXPECT_EQ(server.Requests().size(), WireCases().size());
}

TEST(WorkerRequest, PostMethodSendsAnEmptyPostToTheSameUrl) {
    TRecordingServer server(AnswerWell);
    TRequestSettings settings = ServerSettings(server);
    settings.UsePOSTMethod = true;
    EXPECT_EQ(RunWorker(new TTwitterReplies(settings)), OutcomeDone);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Method, "POST");
    EXPECT_TRUE(
        std::regex_match(requests[0].Target, std::regex(R"(/statuses/replies\.json\?\d{17})")));
    EXPECT_EQ(requests[0].Body, "");
}
} // namespace
