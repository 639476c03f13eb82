#include <algorithm>
#include <chrono>
#include <memory>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

#include <QFile>

#include "RecordingServer.h"
#include "RetryBackoff.h"
#include "TestPaths.h"
#include "TimeoutsOverride.h"
#include "TwitterFriends.h"
#include "TwitterReplies.h"
#include "WorkerRun.h"

namespace {
using namespace std::chrono_literals;

// What the result handler saw of each status.
struct TSeen {
    QString Text;
    int IconIndex = 0;
    QImage Icon;
};

std::vector<TSeen> SeenStatuses(const TTwitterFetch& fetch) {
    std::vector<TSeen> seen;
    for (const TFriendItem& status : fetch.Friends)
        seen.push_back({status.Text, status.IconIndex, status.Icon});
    return seen;
}

// A service with a timeline, short URLs of the prefix /s/ and icons under /icon/.
// Its statuses name the host given, by default its own; it also answers as a
// proxy, whatever host a request names.
class TFetchService {
public:
    explicit TFetchService(QString timelineFixture, const QByteArray& host = {})
        : Server([this](const httplib::Request& request, httplib::Response& response) {
              Answer(request, response);
          }),
          Timeline(ServiceFixture(timelineFixture, host.isEmpty() ? Server.HostPort() : host)) {
        // Failures of an earlier test's server (whose port this one may have
        // now) do not carry over.
        TRetryBackoff::Shared()->Clear();
    }

    TRecordingServer Server;
    QByteArray Timeline;

    std::vector<std::string> Targets(const std::string& prefix) const {
        std::vector<std::string> targets;
        for (const TRecordedRequest& r : Server.Requests()) {
            if (r.Target.starts_with(prefix))
                targets.push_back(r.Method + " " + r.Target);
        }
        return targets;
    }

private:
    void Answer(const httplib::Request& request, httplib::Response& response) const {
        std::string path = request.path;
        if (path.starts_with("http://")) // through the proxy: the whole address
            path.erase(0, path.find('/', 7));
        if (path.starts_with("/statuses/")) {
            response.set_content(Timeline.toStdString(), "application/json");
        } else if (path == "/s/abc") {
            response.status = 301;
            response.set_header("Location", "http://example.com/長い/path");
        } else if (path == "/s/moved302") {
            response.status = 302;
            response.set_header("Location", "http://example.com/302");
        } else if (path == "/s/nolocation") {
            response.status = 301;
        } else if (path.starts_with("/silent/")) {
            while (!Server.ReleaseRequested())
                std::this_thread::sleep_for(10ms);
        } else if (path.starts_with("/icon/")) {
            QFile file(
                TestDataPath(QStringLiteral("service/") + QString::fromStdString(path.substr(6))));
            if (!file.open(QIODevice::ReadOnly)) {
                response.status = 404;
                return;
            }
            response.set_content(file.readAll().toStdString(), "application/octet-stream");
        }
    }
};

TRequestSettings FetchSettings(const TRecordingServer& server, bool shortUrls, bool icons) {
    TRequestSettings settings = ServerSettings(server);
    settings.EnableConvertTinyURL = shortUrls;
    settings.EnableDisplayIcon = icons;
    return settings;
}

QImage Mark() {
    QImage mark(13, 13, QImage::Format_RGB32);
    mark.fill(Qt::yellow);
    return mark;
}

bool Near(QColor actual, QColor expected) {
    return std::abs(actual.red() - expected.red()) < 40 &&
           std::abs(actual.green() - expected.green()) < 40 &&
           std::abs(actual.blue() - expected.blue()) < 40;
}

// The colour at a logical pixel of a picture that keeps several device pixels to each.
QColor Logical(const QImage& picture, int x, int y) {
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixelColor(int((x + 0.5) * ratio), int((y + 0.5) * ratio));
}

TEST(Fetch, ShortUrlsAreExpandedByOneHeadEach) {
    TFetchService service(QStringLiteral("timeline_short_urls.json"));
    std::vector<TSeen> seen;
    auto* fetch = new TTwitterFriends(FetchSettings(service.Server, true, false));
    EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);

    const QString hostPort = QString::fromLatin1(service.Server.HostPort());
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].Text,
              QStringLiteral(
                  "見て http://example.com/長い/path と http://example.com/長い/path もう一度"));
    EXPECT_EQ(seen[1].Text, QStringLiteral("転送 http://%1/s/moved302 です").arg(hostPort));
    EXPECT_EQ(seen[2].Text, QStringLiteral("場所なし http://%1/s/nolocation").arg(hostPort));
    EXPECT_EQ(seen[3].Text, QStringLiteral("暗号 https://%1/s/abc は展開しない").arg(hostPort));
    EXPECT_EQ(
        seen[4].Text,
        QStringLiteral("普通の http://%1/page と http://example.com/長い/path").arg(hostPort));
    // The prefix inside another address does not make it a short URL: a
    // status does not choose the host the client asks.
    EXPECT_EQ(seen[5].Text,
              QStringLiteral("寄り道 http://%1/steal?u=http://%1/s/abc").arg(hostPort));
    // No cache of expansions, no request for other addresses; the short-URL
    // requests carry nothing of the account.
    EXPECT_EQ(service.Targets("/s/"),
              (std::vector<std::string>{"HEAD /s/abc", "HEAD /s/moved302", "HEAD /s/nolocation",
                                        "HEAD /s/abc"}));
    EXPECT_TRUE(service.Targets("/page").empty());
    EXPECT_TRUE(service.Targets("/steal").empty());
    for (const TRecordedRequest& r : service.Server.Requests()) {
        if (r.Target.starts_with("/s/")) {
            EXPECT_FALSE(r.HasHeader("Authorization"));
            EXPECT_FALSE(r.HasHeader("X-Twitter-Client"));
            EXPECT_FALSE(r.HasHeader("User-Agent"));
        }
    }
}

TEST(Fetch, NoShortUrlRequestWhenSwitchedOff) {
    TFetchService service(QStringLiteral("timeline_short_urls.json"));
    std::vector<TSeen> seen;
    EXPECT_EQ(RunWorker(new TTwitterFriends(FetchSettings(service.Server, false, false)),
                        [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);
    EXPECT_EQ(service.Server.Requests().size(), 1u);
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_TRUE(seen[0].Text.contains(QStringLiteral("/s/abc")));
}

TEST(Fetch, UnreachableShortUrlSkipsTheRestOfItsStatusOnly) {
    TFetchService service(QStringLiteral("timeline_dead_short_url.json"));
    service.Timeline.replace("{{DEADPORT}}", QByteArray::number(UnusedPort()));
    TRequestSettings settings = FetchSettings(service.Server, true, false);
    settings.ShortURLPrefix = QStringLiteral("http://127.0.0.1:"); // both servers' addresses
    std::vector<TSeen> seen;
    EXPECT_EQ(RunWorker(new TTwitterFriends(settings),
                        [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].Text.endsWith(service.Server.HostPort() + "/s/abc"));
    EXPECT_EQ(seen[1].Text, QStringLiteral("無事 http://example.com/長い/path"));
}

// A short URL whose server is unreachable pauses after its failure: the next
// fetch skips it and expands the rest of its status.
TEST(Fetch, AFailedShortUrlIsNotAskedAgainByTheNextFetch) {
    TFetchService service(QStringLiteral("timeline_dead_short_url.json"));
    service.Timeline.replace("{{DEADPORT}}", QByteArray::number(UnusedPort()));
    TRequestSettings settings = FetchSettings(service.Server, true, false);
    settings.ShortURLPrefix = QStringLiteral("http://127.0.0.1:");
    auto failures = std::make_shared<TRetryBackoff>();
    std::vector<TSeen> seen;
    for (int run = 0; run < 2; ++run) {
        auto* fetch = new TTwitterFriends(settings);
        fetch->SideFailures = failures;
        EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
                  OutcomeDone);
    }
    EXPECT_EQ(failures->Count(), 1);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].Text.endsWith(QStringLiteral("/s/dead の後 http://example.com/長い/path")))
        << seen[0].Text.toStdString();
}

// Eight icon servers that never answer and one that does: the icons of one
// fetch together end within the side total, a few at a time, so the fetch
// hands back without the silent ones instead of waiting for each in turn, and
// the one that answers is not kept waiting behind them. The next fetch does
// not wait for the same silent ones again.
TEST(Fetch, SilentIconsHoldAFetchNoLongerThanTheSideTotal) {
    const TTimeoutsOverride timeouts({.Main = {}, .Side = {.Deadline = 1s}, .SideTotal = 1s});
    TFetchService service(QStringLiteral("timeline_silent_icons.json"));
    auto failures = std::make_shared<TRetryBackoff>();
    TImageList images(Mark());
    std::vector<std::vector<std::string>> asked;
    for (int run = 0; run < 2; ++run) {
        const size_t before = service.Targets("/silent/").size();
        auto* fetch = new TTwitterFriends(FetchSettings(service.Server, false, true));
        fetch->IconList = std::make_shared<TIconList>();
        fetch->ImageList = &images;
        fetch->SideFailures = failures;
        std::vector<TSeen> seen;
        EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
                  OutcomeDone);
        ASSERT_EQ(seen.size(), 9u);
        for (size_t i = 0; i < seen.size(); ++i)
            EXPECT_EQ(seen[i].IconIndex >= 1, i == 1) << i;
        const std::vector<std::string> targets = service.Targets("/silent/");
        asked.emplace_back(targets.begin() + qsizetype(before), targets.end());
    }
    // The first few silent servers (as many as are asked at a time) use up
    // the time of the side requests; each asked address pauses, so the second
    // fetch asks others.
    EXPECT_LT(asked[0].size(), 8u);
    ASSERT_FALSE(asked[1].empty());
    for (const std::string& target : asked[1])
        EXPECT_EQ(std::count(asked[0].begin(), asked[0].end(), target), 0) << target;
}

TEST(Fetch, IconsAreDownloadedOnceSqueezedAndIndexedFromOne) {
    TFetchService service(QStringLiteral("timeline_icons.json"));
    auto icons = std::make_shared<TIconList>();
    TImageList images(Mark());
    std::vector<TSeen> seen;
    auto* fetch = new TTwitterReplies(FetchSettings(service.Server, false, true));
    fetch->IconList = icons;
    fetch->ImageList = &images;
    EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);

    // bmp, jpeg, gif, png, wide png, an HTML page, the png again, no user at all.
    ASSERT_EQ(seen.size(), 8u);
    const std::vector<int> indices = {1, 2, 3, 4, 5, -1, 4, -1};
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i].IconIndex, indices[i]) << i;
    // A few at a time, so in any order.
    std::vector<std::string> asked = service.Targets("/icon/");
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<std::string>{"GET /icon/error_page.html", "GET /icon/icon48.bmp",
                                               "GET /icon/icon48.gif", "GET /icon/icon48.jpg",
                                               "GET /icon/icon48.png", "GET /icon/wide40x20.png"}));
    EXPECT_EQ(images.Count(), 6);
    EXPECT_EQ(icons->Count(), 5);
    EXPECT_EQ(icons->IndexOfURL("http://" + service.Server.HostPort() + "/icon/icon48.gif"), 3);

    // Each 48x48 picture is blue on its left half and red on its right; the
    // icons are 13x13 logical pixels that keep four device pixels to each.
    for (int index = 1; index <= 4; ++index) {
        SCOPED_TRACE(index);
        const QImage& icon = images.At(index);
        EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(13, 13));
        EXPECT_EQ(icon.size(), QSize(52, 52));
        EXPECT_TRUE(Near(Logical(icon, 1, 6), Qt::blue));
        EXPECT_TRUE(Near(Logical(icon, 11, 6), Qt::red));
    }
    // 40x20 with a black square on the left: stretched, not letter-boxed, so
    // the square fills the whole height.
    const QImage& wide = images.At(5);
    EXPECT_EQ(wide.deviceIndependentSize(), QSizeF(13, 13));
    EXPECT_TRUE(Near(Logical(wide, 2, 0), Qt::black));
    EXPECT_TRUE(Near(Logical(wide, 2, 12), Qt::black));
    EXPECT_TRUE(Near(Logical(wide, 11, 6), Qt::white));
}

TEST(Fetch, KnownIconsAreNotFetchedAgain) {
    TFetchService service(QStringLiteral("timeline_icons.json"));
    auto icons = std::make_shared<TIconList>();
    TImageList images(Mark());
    for (int run = 0; run < 2; ++run) {
        auto* fetch = new TTwitterFriends(FetchSettings(service.Server, false, true));
        fetch->IconList = icons;
        fetch->ImageList = &images;
        EXPECT_EQ(RunWorker(fetch), OutcomeDone);
    }
    // The page that was no icon pauses after its failure: the second run
    // asks for nothing.
    EXPECT_EQ(service.Targets("/icon/").size(), 6u);
    EXPECT_EQ(images.Count(), 6);
    EXPECT_EQ(icons->Count(), 5);
}

// With room for two icons, a page of five new ones keeps the last two: the
// cache holds only addresses whose images are still there, and each status
// carries an index that draws its own icon or none.
TEST(Fetch, AFullIconCacheGivesTheLeastRecentlyUsedPlaceAway) {
    TFetchService service(QStringLiteral("timeline_icons.json"));
    auto icons = std::make_shared<TIconList>();
    TImageList images(Mark(), 2);
    std::vector<TSeen> seen;
    auto* fetch = new TTwitterFriends(FetchSettings(service.Server, false, true));
    fetch->IconList = icons;
    fetch->ImageList = &images;
    EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(icons->Count(), 2);
    ASSERT_EQ(seen.size(), 8u);
    int drawn = 0;
    for (const TSeen& status : seen) {
        if (images.Holds(status.IconIndex)) {
            ++drawn;
            EXPECT_EQ(images.At(status.IconIndex).cacheKey(), status.Icon.cacheKey());
        }
    }
    EXPECT_EQ(drawn, 3); // the png, the wide png and the png met again
    for (qsizetype i = 0; i < icons->Count(); ++i)
        EXPECT_TRUE(images.Holds(icons->At(i).Index));
}

TEST(Fetch, NoIconRequestWhenSwitchedOff) {
    TFetchService service(QStringLiteral("timeline_icons.json"));
    auto icons = std::make_shared<TIconList>();
    TImageList images(Mark());
    auto* fetch = new TTwitterFriends(FetchSettings(service.Server, true, false));
    fetch->IconList = icons;
    fetch->ImageList = &images;
    EXPECT_EQ(RunWorker(fetch), OutcomeDone);
    EXPECT_EQ(service.Server.Requests().size(), 1u);
    EXPECT_EQ(icons->Count(), 0);
    EXPECT_EQ(images.Count(), 1);
}

// The short-URL and icon requests take the proxy as the timeline request
// does: the host the statuses name is reached through the proxy only.
TEST(Fetch, ShortUrlAndIconRequestsGoThroughTheProxy) {
    const struct {
        const char* Fixture;
        bool ShortUrls;
        bool Icons;
        std::string SidePrefix; // the requests besides the timeline's
    } cases[] = {
        {"timeline_short_urls.json", true, false, "http://wassr.invalid/s/"},
        {"timeline_icons.json", false, true, "http://wassr.invalid/icon/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Fixture);
        TFetchService proxy(QString::fromLatin1(c.Fixture), "wassr.invalid");
        TRequestSettings settings = FetchSettings(proxy.Server, c.ShortUrls, c.Icons);
        settings.ApiURL = QStringLiteral("http://wassr.invalid");
        settings.ShortURLPrefix = QStringLiteral("http://wassr.invalid/s/");
        settings.UseProxy = true;
        settings.ProxyServer = QStringLiteral("127.0.0.1");
        settings.ProxyPort = proxy.Server.Port();
        settings.ProxyUser = QStringLiteral("puser");
        settings.ProxyPass = QStringLiteral("ppass");
        auto icons = std::make_shared<TIconList>();
        TImageList images(Mark());
        auto* fetch = new TTwitterFriends(settings);
        fetch->IconList = icons;
        fetch->ImageList = &images;
        std::vector<TSeen> seen;
        EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
                  OutcomeDone);

        ASSERT_FALSE(seen.empty());
        if (c.ShortUrls) {
            EXPECT_TRUE(
                seen[0].Text.startsWith(QStringLiteral("見て http://example.com/長い/path")));
        }
        if (c.Icons) {
            EXPECT_EQ(seen[0].IconIndex, 1);
        }
        int side = 0;
        for (const TRecordedRequest& r : proxy.Server.Requests()) {
            EXPECT_TRUE(r.Target.starts_with("http://wassr.invalid/")) << r.Target;
            EXPECT_EQ(r.Header("Proxy-Authorization"), "Basic cHVzZXI6cHBhc3M=") << r.Target;
            if (!r.Target.starts_with(c.SidePrefix))
                continue;
            ++side;
            EXPECT_FALSE(r.HasHeader("Authorization")) << r.Target;
        }
        EXPECT_GE(side, 4);
    }
}

// Pictures that are tiny or that only look like pictures.
TEST(Fetch, ATinyIconIsStretchedAndOneThatDoesNotDecodeGivesNone) {
    TFetchService service(QStringLiteral("timeline_icon_edges.json"));
    auto icons = std::make_shared<TIconList>();
    TImageList images(Mark());
    std::vector<TSeen> seen;
    auto* fetch = new TTwitterFriends(FetchSettings(service.Server, false, true));
    fetch->IconList = icons;
    fetch->ImageList = &images;
    EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);

    // A 1x1 picture, then a PNG signature over bytes that are no picture.
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].IconIndex, 1);
    EXPECT_EQ(seen[1].IconIndex, -1);
    EXPECT_TRUE(seen[1].Icon.isNull());
    EXPECT_EQ(images.Count(), 2);
    EXPECT_EQ(icons->Count(), 1);
    const QImage& tiny = images.At(1);
    EXPECT_EQ(tiny.deviceIndependentSize(), QSizeF(13, 13));
    const QColor pixel =
        QImage(TestDataPath(QStringLiteral("service/pixel1x1.png"))).pixelColor(0, 0);
    EXPECT_TRUE(Near(tiny.pixelColor(0, 0), pixel));
    EXPECT_TRUE(Near(Logical(tiny, 12, 12), pixel));
}

TEST(Fetch, EmptyArrayIsDoneAndBrokenDocumentsAreParseErrors) {
    struct TCase {
        const char* Body;
        int Outcome;
    };
    for (const TCase& c :
         {TCase{"[]", OutcomeDone}, TCase{"", OutcomeParseError}, TCase{"{}", OutcomeParseError},
          TCase{"[{\"text\":\"a\"}]", OutcomeParseError}, TCase{"[1,", OutcomeParseError}}) {
        SCOPED_TRACE(c.Body);
        TRecordingServer server([&c](const httplib::Request&, httplib::Response& response) {
            response.set_content(c.Body, "application/json");
        });
        qsizetype count = -1;
        EXPECT_EQ(RunWorker(new TTwitterFriends(ServerSettings(server)),
                            [&](const TTwitterFetch& f) { count = f.Friends.Count(); }),
                  c.Outcome);
        EXPECT_EQ(count, 0);
    }
}

TEST(Fetch, TimelineBodyOverEightMebibytesIsAnError) {
    TRecordingServer server([](const httplib::Request&, httplib::Response& response) {
        std::string body = "[";
        body.append(8 * 1024 * 1024, ' ');
        body += "]";
        response.set_content(body, "application/json");
    });
    EXPECT_EQ(RunWorker(new TTwitterFriends(ServerSettings(server))), OutcomeError);
}

TEST(Fetch, TricklingRepliesEndAtTheirDeadlines) {
    const TTimeoutsOverride timeouts({.Main = {.Deadline = 1s}, .Side = {.Deadline = 300ms}});
    const std::string trickled(40, 'x'); // 8 s at five bytes a second

    // The timeline itself: the usual error, so the next tick fetches again.
    TRecordingServer timeline([&](const httplib::Request&, httplib::Response& response) {
        TrickleBody(response, trickled, 200ms);
    });
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(RunWorker(new TTwitterFriends(ServerSettings(timeline))), OutcomeError);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);

    // Icons: each gives up at the shorter deadline and its status comes without.
    TRecordingServer icons([&](const httplib::Request& request, httplib::Response& response) {
        if (request.path.starts_with("/icon/")) {
            TrickleBody(response, trickled, 200ms);
            return;
        }
        const QByteArray hostPort = "127.0.0.1:" + QByteArray::number(request.local_port);
        response.set_content(
            ServiceFixture(QStringLiteral("timeline_icons.json"), hostPort).toStdString(),
            "application/json");
    });
    auto* fetch = new TTwitterFriends(FetchSettings(icons, false, true));
    fetch->IconList = std::make_shared<TIconList>();
    TImageList images(Mark());
    fetch->ImageList = &images;
    std::vector<TSeen> seen;
    started = std::chrono::steady_clock::now();
    EXPECT_EQ(RunWorker(fetch, [&](const TTwitterFetch& f) { seen = SeenStatuses(f); }),
              OutcomeDone);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
    ASSERT_EQ(seen.size(), 8u);
    for (const TSeen& status : seen)
        EXPECT_EQ(status.IconIndex, -1);
}

TEST(Fetch, StartDelayHoldsTheRequestBack) {
    TRecordingServer server([](const httplib::Request&, httplib::Response& response) {
        response.set_content("[]", "application/json");
    });
    auto* fetch = new TTwitterFriends(ServerSettings(server));
    fetch->StartDelay = 1;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(RunWorker(fetch), OutcomeDone);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 1s);
    EXPECT_EQ(server.Requests().size(), 1u);
}
} // namespace
