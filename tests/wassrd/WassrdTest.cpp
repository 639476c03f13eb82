#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <httplib.h>

#include "TestPaths.h"

namespace {

// A running build/wassrd on a port of its own choosing.
class TWassrd final {
public:
    explicit TWassrd(const QStringList& args = {}) {
        Process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its complaints show
        Process.start(BuildPath("wassrd"), QStringList{"--rate", "0"} + args);
        while (!Process.canReadLine() && Process.waitForReadyRead(10000)) {
        }
        Port = Process.readLine().trimmed().toInt();
    }
    // It ends cleanly on SIGTERM; any other end (a sanitizer finding inside
    // it gives a non-zero status) fails the test instead of going unseen.
    ~TWassrd() {
        if (Process.state() != QProcess::NotRunning) {
            Process.terminate();
            if (!Process.waitForFinished(5000)) {
                Process.kill();
                Process.waitForFinished(5000);
                ADD_FAILURE() << "wassrd did not end on SIGTERM";
            }
        }
        EXPECT_EQ(Process.exitStatus(), QProcess::NormalExit) << "wassrd crashed";
        EXPECT_EQ(Process.exitCode(), 0) << "wassrd ended with a failure status";
    }

    httplib::Client Client(const char* user = "demo", const char* password = "demo") const {
        httplib::Client client("127.0.0.1", Port);
        if (user)
            client.set_basic_auth(user, password);
        client.set_read_timeout(20, 0);
        return client;
    }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(Port); }

    QJsonArray Timeline(const char* path = "/statuses/friends_timeline.json?20240101120000000") {
        const auto result = Client().Get(path);
        EXPECT_TRUE(result && result->status == 200);
        return result ? QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).array()
                      : QJsonArray();
    }
    void Admin(const std::string& pathAndQuery) {
        const auto result = Client(nullptr).Post(pathAndQuery.c_str());
        ASSERT_TRUE(result);
        ASSERT_EQ(200, result->status) << result->body;
    }

    QProcess Process;
    int Port = 0;
};

// One exchange on a raw socket, for what httplib's client cannot send (HTTP/1.0).
std::string RawExchange(int port, const std::string& request) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, request.data(), request.size(), 0) == ssize_t(request.size())) {
        char buffer[4096];
        for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;)
            reply.append(buffer, n);
    }
    close(fd);
    return reply;
}

// A missing result (no connection, a time-out) reads as status -1 and an empty body.
int StatusOf(const httplib::Result& result) {
    return result ? result->status : -1;
}
std::string BodyOf(const httplib::Result& result) {
    return result ? result->body : std::string();
}

bool IsPrivateUseOrEmoji(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF) || c.isHighSurrogate();
    });
}

// The image type by its first bytes, as a client must decide it.
QString Sniff(const QByteArray& data) {
    if (data.size() >= 18 && data.startsWith("BM") &&
        (quint8(data[14]) == 40 || quint8(data[14]) == 12) && data.mid(15, 3) == QByteArray(3, 0))
        return "BMP";
    if (data.startsWith("\xFF\xD8"))
        return "JPEG";
    if (data.startsWith("GIF89a") || data.startsWith("GIF87a"))
        return "GIF";
    if (data.startsWith("\x89PNG"))
        return "PNG";
    return {};
}

std::map<QString, int> RateLimit(TWassrd& server) {
    const auto result = server.Client().Get("/account/rate_limit_status.xml");
    std::map<QString, int> values;
    if (!result || result->status != 200)
        return values;
    QXmlStreamReader xml(QByteArray::fromStdString(result->body));
    xml.readNextStartElement();
    values["root is hash"] = xml.name() == QLatin1String("hash");
    while (xml.readNextStartElement())
        values[xml.name().toString()] = xml.readElementText().toInt();
    return values;
}

} // namespace

TEST(WassrdTest, TimelineIsAPageOfWellFormedStatusesNewestFirst) {
    TWassrd server;
    ASSERT_GT(server.Port, 0);
    const QJsonArray page = server.Timeline();
    ASSERT_EQ(20, page.size());

    const QString shortPrefix = server.Base() + "/s/";
    std::set<QString> kinds;
    qint64 previousId = std::numeric_limits<qint64>::max();
    double previousEpoch = std::numeric_limits<double>::max();
    for (const QJsonValue& value : page) {
        const QJsonObject status = value.toObject();
        for (const char* key : {"html", "text", "link", "id", "rid", "user_login_id"})
            EXPECT_TRUE(status[key].isString()) << key;
        EXPECT_TRUE(status["epoch"].isDouble());
        const QJsonValue reply = status["reply_user_login_id"];
        EXPECT_TRUE(reply.isNull() || reply.isString());
        EXPECT_TRUE(status.contains("favorites") && status.contains("slurl"));

        bool idOk = false;
        const qint64 id = status["id"].toString().toInt(&idOk); // must fit 32 bits
        EXPECT_TRUE(idOk);
        EXPECT_LT(id, previousId);
        EXPECT_LE(status["epoch"].toDouble(), previousEpoch);
        previousId = id;
        previousEpoch = status["epoch"].toDouble();
        EXPECT_TRUE(
            QRegularExpression("^[A-Za-z0-9]{10}$").match(status["rid"].toString()).hasMatch());

        if (status.contains("user")) {
            const QJsonObject user = status["user"].toObject();
            EXPECT_TRUE(user["screen_name"].isString() && user["profile_image_url"].isString() &&
                        user["protected"].isBool());
        } else {
            kinds.insert("no user");
        }
        const QString text = status["text"].toString();
        if (text.startsWith("@demo ")) {
            kinds.insert(reply.isNull()               ? "@demo, reply null"
                         : reply.toString().isEmpty() ? "@demo, reply empty"
                                                      : "@demo, reply set");
        } else if (reply.toString() == "demo") {
            kinds.insert("reply set, no @demo");
        }
        if (text.contains("<3"))
            kinds.insert("heart");
        if (text.contains('\n'))
            kinds.insert("line feed");
        if (text.contains(shortPrefix))
            kinds.insert("short URL");
        if (IsPrivateUseOrEmoji(text))
            kinds.insert("emoji");
    }
    const std::set<QString> expected{
        "no user",          "@demo, reply null",   "@demo, reply empty",
        "@demo, reply set", "reply set, no @demo", "heart",
        "line feed",        "short URL",           "emoji"};
    EXPECT_EQ(expected, kinds);

    // The client may fetch with a bodiless POST instead; the page is the same.
    const auto posted = server.Client().Post("/statuses/friends_timeline.json?1", "",
                                             "application/x-www-form-urlencoded");
    ASSERT_TRUE(posted);
    EXPECT_EQ(page, QJsonDocument::fromJson(QByteArray::fromStdString(posted->body)).array());
}

TEST(WassrdTest, RepliesHoldOnlyRepliesToTheAccount) {
    TWassrd server;
    const QJsonArray replies = server.Timeline("/statuses/replies.json?1");
    ASSERT_FALSE(replies.isEmpty());
    for (const QJsonValue& value : replies) {
        const QJsonObject status = value.toObject();
        EXPECT_TRUE(status["reply_user_login_id"].toString() == "demo" ||
                    status["text"].toString().startsWith("@demo "))
            << status["text"].toString().toStdString();
    }
}

TEST(WassrdTest, EveryApiRequestNeedsTheAccountsCredentials) {
    TWassrd server({"--user", "alice", "--password", "s3cret:x"});
    struct TCase {
        const char* User;
        const char* Password;
        int Status;
    };
    for (const TCase& c : {TCase{nullptr, nullptr, 401}, TCase{"alice", "wrong", 401},
                           TCase{"demo", "demo", 401}, TCase{"alice", "s3cret:x", 200}}) {
        auto client = server.Client(c.User, c.Password);
        for (const char* path : {"/statuses/friends_timeline.json?1", "/statuses/replies.json?1",
                                 "/account/rate_limit_status.xml"}) {
            const auto result = client.Get(path);
            ASSERT_TRUE(result);
            EXPECT_EQ(c.Status, result->status) << path << " as " << (c.User ? c.User : "-");
        }
        const auto update = client.Post("/statuses/update.json", "status=x&source=Quorbel&",
                                        "application/x-www-form-urlencoded");
        ASSERT_TRUE(update);
        EXPECT_EQ(c.Status, update->status);
    }
}

TEST(WassrdTest, PostedStatusJoinsTheTimelineAndCanBeFavouritedAndDeleted) {
    TWassrd server;
    const QJsonObject target = server.Timeline()[2].toObject();
    const std::string body = "status=%E3%81%93%E3%82%93+abc+*Qb*%25%2B&source=Quorbel&"
                             "reply_status_rid=" +
                             target["rid"].toString().toStdString() + "&";
    // The client posts as HTTP/1.0, with the body already encoded.
    const std::string reply =
        RawExchange(server.Port, "POST /statuses/update.json HTTP/1.0\r\nHost: 127.0.0.1\r\n"
                                 "Authorization: Basic ZGVtbzpkZW1v\r\n"
                                 "Content-Type: application/x-www-form-urlencoded\r\n"
                                 "Content-Length: " +
                                     std::to_string(body.size()) + "\r\n\r\n" + body);
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 200")) << reply;

    const QJsonObject own = server.Timeline()[0].toObject();
    EXPECT_EQ("こん abc *Qb*%+", own["text"].toString());
    EXPECT_EQ("demo", own["user_login_id"].toString());
    EXPECT_EQ(target["user_login_id"], own["reply_user_login_id"]);
    EXPECT_TRUE(own["reply_status_url"].toString().endsWith(target["rid"].toString()));

    auto client = server.Client();
    struct TCase {
        std::string Path;
        int Status;
    };
    const std::string ownId = own["id"].toString().toStdString();
    for (const TCase& c : {
             TCase{"/favorites/create/" + target["rid"].toString().toStdString() + ".json", 200},
             TCase{"/favorites/create/NoSuchRid0.json", 404},
             TCase{"/statuses/destroy/" + target["id"].toString().toStdString() + ".xml", 403},
             TCase{"/statuses/destroy/" + ownId + ".xml", 200},
             TCase{"/statuses/destroy/" + ownId + ".xml", 404},
         }) {
        const auto result = client.Post(c.Path.c_str(), "", "application/x-www-form-urlencoded");
        ASSERT_TRUE(result);
        EXPECT_EQ(c.Status, result->status) << c.Path;
    }
    EXPECT_NE(own["id"], server.Timeline()[0].toObject()["id"]);
}

TEST(WassrdTest, QueuedFaultsAreServedOnceEachThenTheServiceRecovers) {
    TWassrd server;
    server.Admin("/admin/fault?kind=400");
    server.Admin("/admin/fault?kind=500");
    server.Admin("/admin/fault?kind=badjson");
    server.Admin("/admin/fault?kind=huge");
    server.Admin("/admin/fault?kind=slow&seconds=1");
    auto client = server.Client();
    const char* path = "/statuses/friends_timeline.json?1";
    struct TCase {
        int Status;
        bool Page; // a complete page of statuses
        bool Oversized;
    };
    for (const TCase& c :
         {TCase{400, false, false}, TCase{500, false, false}, TCase{200, false, false},
          TCase{200, false, true}, TCase{200, true, false}, TCase{200, true, false}}) {
        const auto result = client.Get(path);
        ASSERT_TRUE(result);
        EXPECT_EQ(c.Status, result->status);
        QJsonParseError error;
        const auto document =
            QJsonDocument::fromJson(QByteArray::fromStdString(result->body), &error);
        const bool page = error.error == QJsonParseError::NoError && document.array().size() == 20;
        EXPECT_EQ(c.Page, page) << result->body.substr(0, 80);
        EXPECT_EQ(c.Oversized, result->body.size() > 8 * 1024 * 1024);
    }

    // Faults reach every main request, not only the timeline.
    server.Admin("/admin/fault?kind=500&count=2");
    EXPECT_EQ(500, StatusOf(client.Get("/account/rate_limit_status.xml")));
    EXPECT_EQ(500, StatusOf(client.Post("/favorites/create/x.json", "", "text/plain")));

    // A hung reply ends when its client gives up: more of them than the server has
    // threads, and the service still answers afterwards.
    server.Admin("/admin/fault?kind=hang&count=40");
    std::vector<std::thread> impatient;
    for (int i = 0; i < 40; ++i) {
        impatient.emplace_back([&server, path] {
            auto client = server.Client();
            client.set_read_timeout(1, 0);
            EXPECT_FALSE(client.Get(path));
        });
    }
    for (std::thread& thread : impatient)
        thread.join();
    // A request that gave up while still queued leaves its hang to the next
    // ones, which give up in turn; then the service answers again.
    auto patient = server.Client();
    patient.set_read_timeout(1, 0);
    int status = 0;
    for (int attempt = 0; attempt <= 40 && status != 200; ++attempt)
        status = StatusOf(patient.Get(path));
    EXPECT_EQ(200, status);
}

TEST(WassrdTest, ShortUrlsRedirectPermanentlyAndUnknownCodesAreMissing) {
    TWassrd server;
    auto client = server.Client(nullptr);
    const QJsonObject codes =
        QJsonDocument::fromJson(QByteArray::fromStdString(BodyOf(client.Get("/admin/short"))))
            .object();
    const QRegularExpression shortUrl(QRegularExpression::escape(server.Base()) + "/s/(\\w+)");
    QString code;
    for (const QJsonValue& value : server.Timeline()) {
        const auto match = shortUrl.match(value.toObject()["text"].toString());
        if (match.hasMatch() && codes.contains(match.captured(1))) {
            code = match.captured(1);
            break;
        }
    }
    ASSERT_FALSE(code.isEmpty());

    const auto head = client.Head(("/s/" + code).toStdString().c_str());
    ASSERT_TRUE(head);
    EXPECT_EQ(301, head->status);
    EXPECT_EQ(codes[code].toString().toStdString(), head->get_header_value("Location"));
    EXPECT_EQ(404, StatusOf(client.Head("/s/nosuchcode")));
}

TEST(WassrdTest, IconsComeInAllFourImageTypesWhateverTheUrlSays) {
    TWassrd server;
    std::set<QString> urls;
    for (const QJsonValue& value : server.Timeline())
        urls.insert(value.toObject()["user"].toObject()["profile_image_url"].toString());
    urls.erase(QString());
    std::set<QString> types;
    auto client = server.Client(nullptr);
    for (const QString& url : urls) {
        EXPECT_TRUE(url.contains("/profile_img.png.64.")) << url.toStdString();
        const auto result = client.Get(url.mid(server.Base().size()).toStdString().c_str());
        ASSERT_TRUE(result && result->status == 200) << url.toStdString();
        const QByteArray data = QByteArray::fromStdString(result->body);
        const QString type = Sniff(data);
        types.insert(type);
        // Our own GIF writer included, every icon must decode as what its bytes say.
        QImage image;
        EXPECT_TRUE(image.loadFromData(data, type.toLatin1().constData())) << type.toStdString();
        EXPECT_EQ(QSize(48, 48), image.size());
    }
    EXPECT_EQ((std::set<QString>{"BMP", "JPEG", "GIF", "PNG"}), types);
    EXPECT_EQ(404, StatusOf(client.Get("/user/nobody/profile_img.png.64.1")));
}

TEST(WassrdTest, RateLimitCountsTheReadsOfTheHour) {
    TWassrd server({"--hourly-limit", "100"});
    const auto before = RateLimit(server);
    EXPECT_EQ(1, before.at("root is hash"));
    EXPECT_EQ(100, before.at("hourly-limit"));
    EXPECT_GT(before.at("reset-time-in-seconds"), QDateTime::currentSecsSinceEpoch());
    server.Timeline();
    server.Timeline("/statuses/replies.json?1");
    EXPECT_EQ(before.at("remaining-hits") - 2, RateLimit(server).at("remaining-hits"));
}

TEST(WassrdTest, AdminPostsAppearAndServedAndRequestLogsRecordWhatHappened) {
    TWassrd server;
    server.Admin(
        "/admin/"
        "post?user=newcomer&text=%40demo%20%E3%81%AF%E3%81%98%E3%82%81%E3%81%BE%E3%81%97%E3%81%A6"
        "&reply_user_login_id=demo");
    const QJsonArray replies = server.Timeline("/statuses/replies.json?20240101120000123");
    ASSERT_FALSE(replies.isEmpty());
    const QJsonObject first = replies[0].toObject();
    EXPECT_EQ("newcomer", first["user_login_id"].toString());
    EXPECT_EQ("@demo はじめまして", first["text"].toString());

    const auto served = server.Client(nullptr).Get("/admin/served");
    const QJsonArray servedIds =
        QJsonDocument::fromJson(QByteArray::fromStdString(BodyOf(served))).array();
    std::set<int> ids;
    for (const QJsonValue& id : servedIds)
        ids.insert(id.toInt());
    EXPECT_EQ(std::size_t(replies.size()), ids.size());
    EXPECT_TRUE(ids.count(first["id"].toString().toInt()));

    const auto log = server.Client(nullptr).Get("/admin/requests");
    const QJsonArray entries =
        QJsonDocument::fromJson(QByteArray::fromStdString(BodyOf(log))).array();
    ASSERT_EQ(1, entries.size()); // admin calls are not logged
    const QJsonObject entry = entries[0].toObject();
    EXPECT_EQ("GET", entry["method"].toString());
    EXPECT_EQ("/statuses/replies.json?20240101120000123", entry["target"].toString());
    EXPECT_EQ("HTTP/1.1", entry["version"].toString());
    EXPECT_EQ("Basic ZGVtbzpkZW1v", entry["headers"].toObject()["Authorization"].toString());
    EXPECT_FALSE(entry["headers"].toObject().contains("REMOTE_PORT"));

    server.Admin("/admin/reset");
    const auto cleared = server.Client(nullptr).Get("/admin/requests");
    EXPECT_EQ("[]", BodyOf(cleared));
}

TEST(WassrdTest, NewStatusesAppearAsTimePasses) {
    TWassrd server({"--rate", "0.2", "--initial", "3"});
    const int first = server.Timeline()[0].toObject()["id"].toString().toInt();
    int newest = first;
    for (int tries = 0; tries < 100 && newest == first; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        newest = server.Timeline()[0].toObject()["id"].toString().toInt();
    }
    EXPECT_GT(newest, first);
}

TEST(WassrdTest, VersionFileAndAStopSignalDuringAHungReply) {
    TWassrd server({"--version-text", "0.53\\r\\n"});
    const auto version = server.Client(nullptr).Get("/quorbel/ver.dat");
    ASSERT_TRUE(version);
    EXPECT_EQ("0.53\r\n", version->body);

    server.Admin("/admin/fault?kind=hang");
    std::thread waiting([&server] {
        auto client = server.Client();
        client.set_read_timeout(60, 0);
        EXPECT_FALSE(client.Get("/statuses/friends_timeline.json?1"));
    });
    // Let the request arrive before the signal, then expect a clean end without waiting it out.
    for (int tries = 0; tries < 100; ++tries) {
        const auto log = server.Client(nullptr).Get("/admin/requests");
        if (log && log->body != "[]")
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    server.Process.terminate();
    EXPECT_TRUE(server.Process.waitForFinished(10000));
    EXPECT_EQ(QProcess::NormalExit, server.Process.exitStatus());
    EXPECT_EQ(0, server.Process.exitCode());
    waiting.join();
}

TEST(WassrdTest, BadCommandLinesAreRefused) {
    for (const QStringList& args : {QStringList{"--port", "70000"}, QStringList{"--rate", "-1"},
                                    QStringList{"--bogus", "1"}, QStringList{"--seed"}}) {
        QProcess process;
        process.start(BuildPath("wassrd"), args);
        EXPECT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(2, process.exitCode()) << args.join(' ').toStdString();
    }
}
