#include "WassrService.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include "PeerSocket.h"

namespace {

const char* const JsonType = "application/json; charset=utf-8";
const char* const XmlType = "application/xml; charset=utf-8";
const char* const HtmlType = "text/html; charset=utf-8";

constexpr std::size_t HugeSize = 9 * 1024 * 1024;
constexpr std::size_t MaxRequestBody = 1024 * 1024;
constexpr int ServerThreads = 32;
constexpr int PollMs = 50;
constexpr std::size_t SlowBytes = 4;
constexpr int SlowMs = 500;
constexpr int TrickleMs = 800;

qint64 NowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

std::string ToJson(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string ToJson(const QJsonArray& array) {
    return QJsonDocument(array).toJson(QJsonDocument::Compact).toStdString();
}

QString Param(const httplib::Request& request, const char* name) {
    return QString::fromStdString(request.get_param_value(name));
}

// An application/x-www-form-urlencoded body, '+' read as a blank and the
// percent-encoded bytes as UTF-8.
std::map<QString, QString> ParseForm(const std::string& body) {
    std::map<QString, QString> fields;
    const auto decode = [](QByteArray text) {
        return QString::fromUtf8(QByteArray::fromPercentEncoding(text.replace('+', ' ')));
    };
    for (const QByteArray& field : QByteArray::fromStdString(body).split('&')) {
        if (field.isEmpty())
            continue;
        const qsizetype eq = field.indexOf('=');
        const QByteArray name = eq < 0 ? field : field.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : field.mid(eq + 1);
        fields.emplace(decode(name), decode(value));
    }
    return fields;
}

std::string Page(const QString& title, const QString& bodyHtml) {
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
                          "<title>%1 - Wassr</title></head>\n<body>\n<h1>%1</h1>\n%2\n</body>"
                          "</html>\n")
        .arg(title.toHtmlEscaped(), bodyHtml)
        .toStdString();
}

// The error document the older API answers with, e.g. for a status that is not one's own.
std::string ErrorXml(const std::string& target, const QString& message) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    writer.writeStartElement("hash");
    writer.writeTextElement("request", QString::fromStdString(target));
    writer.writeTextElement("error", message);
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml.toStdString();
}

std::string StatusXml(const TFeedStatus& status) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    writer.writeStartElement("status");
    writer.writeTextElement(
        "created_at", QLocale::c().toString(QDateTime::fromSecsSinceEpoch(status.Epoch, Qt::UTC),
                                            QStringLiteral("ddd MMM dd HH:mm:ss +0000 yyyy")));
    writer.writeTextElement("id", QString::number(status.Id));
    writer.writeTextElement("text", status.Text);
    writer.writeTextElement("source", QStringLiteral("Quorbel"));
    writer.writeStartElement("user");
    writer.writeTextElement("screen_name", status.UserLogin);
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml.toStdString();
}

bool IsLogin(const QString& text) {
    static const QRegularExpression login(QStringLiteral("^[0-9A-Za-z_]+$"));
    return login.match(text).hasMatch();
}

} // namespace

TWassrService::TWassrService(const TServiceOptions& options)
    : Options(options), Faults(options.FaultRate, options.Seed + 1), Rate(options.HourlyLimit) {
    // A held-back reply occupies its thread until the client leaves: keep plenty.
    Server.new_task_queue = [] { return new httplib::ThreadPool(ServerThreads); };
    Server.set_payload_max_length(MaxRequestBody);
}

int TWassrService::Bind(QString& error) {
    if (Options.Port == 0)
        Port = Server.bind_to_any_port("127.0.0.1");
    else
        Port = Server.bind_to_port("127.0.0.1", Options.Port) ? Options.Port : -1;
    if (Port <= 0) {
        error = QStringLiteral("cannot listen on 127.0.0.1:%1").arg(Options.Port);
        return -1;
    }
    TStatusFeed::TConfig config;
    config.Account = Options.User;
    config.BaseUrl = QStringLiteral("http://127.0.0.1:%1").arg(Port);
    config.Seed = Options.Seed;
    config.SecondsPerStatus = Options.SecondsPerStatus;
    config.Initial = Options.Initial;
    config.HostileRate = Options.HostileRate;
    Feed = std::make_unique<TStatusFeed>(config, NowMs());
    // Every image type must be producible, or a client would meet a silent hole.
    for (const char* login : {"nekomimi", "hanako", "ramen_taro", "sakura88"}) {
        const TFeedUser user = *Feed->User(QString::fromLatin1(login));
        if (TIcons::Make(user.IconFormat, user.IconColour, 0).Bytes.isEmpty()) {
            error = QStringLiteral("cannot write %1 images").arg(QString(user.IconFormat));
            return -1;
        }
    }
    AddRoutes();
    return Port;
}

bool TWassrService::Listen() {
    return Server.listen_after_bind();
}

bool TWassrService::IsRunning() const {
    return Server.is_running();
}

void TWassrService::Stop() {
    Stopping = true;
    Server.stop();
}

void TWassrService::AddRoutes() {
    // httplib refuses a POST without a length with 400, which this API uses for
    // "request limit reached". Admin calls carry their parameters in the query and
    // may come without a body; a client request is told what is wrong.
    Server.set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            const bool needsLength = request.method == "POST" || request.method == "PUT";
            if (!needsLength || request.has_header("Content-Length") ||
                request.has_header("Transfer-Encoding"))
                return httplib::Server::HandlerResponse::Unhandled;
            if (request.path.starts_with("/admin/")) {
                // The request object is the server's own, only handed over as const.
                const_cast<httplib::Request&>(request).set_header("Content-Length", "0");
                return httplib::Server::HandlerResponse::Unhandled;
            }
            Log.Add(request);
            response.status = 411;
            response.set_content(Page("411 Length Required", {}), HtmlType);
            return httplib::Server::HandlerResponse::Handled;
        });
    const auto admin = [this](auto method) {
        return [this, method](const httplib::Request& q, httplib::Response& s) {
            (this->*method)(q, s);
        };
    };
    Server.Post("/admin/fault", admin(&TWassrService::AdminFault));
    Server.Post("/admin/post", admin(&TWassrService::AdminPost));
    Server.Get("/admin/short", admin(&TWassrService::AdminShortUrl));
    Server.Post("/admin/short", admin(&TWassrService::AdminShortUrl));
    Server.Get("/admin/served", [this](const httplib::Request&, httplib::Response& response) {
        std::lock_guard lock(ServedMutex);
        QJsonArray ids;
        for (const int id : ServedIds)
            ids.append(id);
        response.set_content(ToJson(ids), JsonType);
    });
    Server.Get("/admin/requests", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content(ToJson(Log.Entries()), JsonType);
    });
    Server.Post("/admin/reset", [this](const httplib::Request&, httplib::Response& response) {
        Faults.Clear();
        Log.Clear();
        response.set_content("{}", JsonType);
    });

    const std::pair<const char*, TApiHandler> pages[]{
        {"/statuses/friends_timeline.json", &TWassrService::Timeline},
        {"/statuses/replies.json", &TWassrService::Replies},
    };
    for (const auto& [path, handler] : pages) {
        Server.Get(path, Api(handler));
        Server.Post(path, Api(handler)); // the client may fetch with a bodiless POST
    }
    Server.Post("/statuses/update.json", Api(&TWassrService::Update));
    Server.Post(R"(/favorites/create/([^/]+)\.json)", Api(&TWassrService::Favorite));
    Server.Post(R"(/statuses/destroy/([^/]+)\.xml)", Api(&TWassrService::Destroy));
    Server.Get("/account/rate_limit_status.xml", Api(&TWassrService::RateLimit));

    const auto web = [this](auto method) {
        return Logged([this, method](const httplib::Request& q, httplib::Response& s) {
            (this->*method)(q, s);
        });
    };
    Server.Get("/s/(.+)", web(&TWassrService::ShortUrl));
    Server.Get(R"(/user/([0-9A-Za-z_]+)/profile_img\.png\.64\.[0-9]+)", web(&TWassrService::Icon));
    Server.Get("/quorbel/ver.dat", Logged([this](const httplib::Request&, httplib::Response& s) {
                   s.set_content(Options.VersionText.toStdString(), "text/plain");
               }));
    Server.Get("/quorbel.xml", Logged([this](const httplib::Request&, httplib::Response& s) {
                   // The client description the identification headers point to.
                   s.set_content(
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<client>"
                       "<name>Quorbel</name><version>0.52</version><url>http://127.0.0.1:" +
                           std::to_string(Port) + "/quorbel/</url></client>\n",
                       XmlType);
               }));
    Server.Get(".*", web(&TWassrService::WebPage));
    Server.Post(".*", Logged([](const httplib::Request&, httplib::Response& response) {
                    response.status = 404;
                    response.set_content(R"({"error":"not found"})", JsonType);
                }));
}

httplib::Server::Handler TWassrService::Logged(httplib::Server::Handler handler) {
    return [this, handler](const httplib::Request& request, httplib::Response& response) {
        Log.Add(request);
        handler(request, response);
    };
}

httplib::Server::Handler TWassrService::Api(TApiHandler handler) {
    return [this, handler](const httplib::Request& request, httplib::Response& response) {
        Log.Add(request);
        const TFaults::TTaken fault = Faults.Take();
        switch (fault.Fault) {
        case EFault::BadRequest:
            response.status = 400;
            response.set_content(R"({"error":"API request limit exceeded"})", JsonType);
            return;
        case EFault::ServerError:
            response.status = 500;
            response.set_content(Page("500 Internal Server Error", {}), HtmlType);
            return;
        case EFault::Hang:
            HoldUntilClientLeaves(request);
            response.status = 503;
            return;
        default:
            break;
        }
        if (!Authorized(request)) {
            TReply denied{401, JsonType, R"({"error":"Could not authenticate you."})"};
            denied.Headers.emplace("WWW-Authenticate", "Basic realm=\"Wassr API\"");
            Send(response, denied, {});
            return;
        }
        Send(response, (this->*handler)(request), fault);
    };
}

bool TWassrService::Authorized(const httplib::Request& request) const {
    const QByteArray header = QByteArray::fromStdString(request.get_header_value("Authorization"));
    if (!header.startsWith("Basic "))
        return false;
    const QByteArray pair = QByteArray::fromBase64(header.mid(6).trimmed());
    return pair == (Options.User + ':' + Options.Password).toUtf8();
}

bool TWassrService::PauseUnlessStopping(int milliseconds) {
    for (int waited = 0; waited < milliseconds && !Stopping; waited += PollMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(PollMs));
    return !Stopping;
}

void TWassrService::HoldUntilClientLeaves(const httplib::Request& request) {
    const TPeerSocket peer(request.local_port, request.remote_port);
    while (!peer.Closed()) {
        if (!PauseUnlessStopping(PollMs)) {
            peer.Drop(); // stopping: the reply never comes
            return;
        }
    }
}

void TWassrService::MarkServed(const QList<int>& ids) {
    std::lock_guard lock(ServedMutex);
    ServedIds.insert(ids.begin(), ids.end());
}

void TWassrService::Send(httplib::Response& response, TReply reply, const TFaults::TTaken& fault) {
    response.status = reply.Status;
    for (const auto& [name, value] : reply.Headers)
        response.set_header(name.c_str(), value);
    const bool success = reply.Status / 100 == 2;
    if (success && fault.Fault == EFault::Huge) {
        SendHuge(response);
        return;
    }
    if (success && fault.Fault == EFault::BadJson) {
        reply.Body.resize(reply.Body.size() / 2);
        reply.Served.clear();
    }
    const auto body = std::make_shared<const std::string>(std::move(reply.Body));
    if (body->empty()) {
        response.set_content("", reply.ContentType);
        return;
    }
    // How the body goes out: in Bytes with a pause after each until Until,
    // then the rest at once.
    struct TPace {
        std::size_t Bytes = 0;
        int PauseMs = 0;
        qint64 Until = 0;
    };
    TPace pace;
    if (success && fault.Fault == EFault::Slow)
        pace = {SlowBytes, SlowMs, NowMs() + fault.SlowSeconds * 1000};
    else if (success && fault.Fault == EFault::Trickle)
        pace = {1, TrickleMs, std::numeric_limits<qint64>::max()};
    // Statuses count as served when the end of their body is handed to the
    // connection: a reply cut short (a slow one the client gave up on) serves
    // nothing, and a client that has read the body finds them counted.
    response.set_content_provider(
        body->size(), reply.ContentType,
        [this, body, served = reply.Served, pace](std::size_t offset, std::size_t length,
                                                  httplib::DataSink& sink) {
            const bool paced = NowMs() < pace.Until;
            const std::size_t count = paced ? std::min(length, pace.Bytes) : length;
            if (count == length)
                MarkServed(served);
            return sink.write(body->data() + offset, count) &&
                   (!paced || PauseUnlessStopping(pace.PauseMs));
        });
}

void TWassrService::SendHuge(httplib::Response& response) {
    // The start of an endless array of statuses, far beyond what a client should accept.
    const auto pattern =
        std::make_shared<const std::string>(Feed->SampleStatusJson().toStdString() + ",");
    response.set_content_provider(
        HugeSize, JsonType,
        [this, pattern](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            if (Stopping)
                return false;
            std::string chunk(std::min<std::size_t>(length, 64 * 1024), ' ');
            for (std::size_t i = 0; i < chunk.size(); ++i) {
                const std::size_t at = offset + i;
                chunk[i] = at == 0 ? '[' : (*pattern)[(at - 1) % pattern->size()];
            }
            return sink.write(chunk.data(), chunk.size());
        });
}

TWassrService::TReply TWassrService::StatusPage(TFeedPage page) {
    const qint64 now = NowMs();
    Rate.Count(now / 1000);
    TReply reply{200, JsonType};
    reply.Body = ((*Feed).*page)(now, reply.Served).toStdString();
    return reply;
}

TWassrService::TReply TWassrService::Timeline(const httplib::Request&) {
    return StatusPage(&TStatusFeed::TimelineJson);
}

TWassrService::TReply TWassrService::Replies(const httplib::Request&) {
    return StatusPage(&TStatusFeed::RepliesJson);
}

TWassrService::TReply TWassrService::Update(const httplib::Request& request) {
    const auto fields = ParseForm(request.body);
    const auto status = fields.find("status");
    if (status == fields.end() || status->second.trimmed().isEmpty())
        return {403, JsonType, R"({"error":"status is empty"})"};
    const auto rid = fields.find("reply_status_rid");
    const QJsonObject posted =
        Feed->Post(status->second, rid == fields.end() ? QString() : rid->second, NowMs());
    return {200, JsonType, ToJson(posted)};
}

TWassrService::TReply TWassrService::Favorite(const httplib::Request& request) {
    if (!Feed->Favorite(QString::fromStdString(request.matches[1].str())))
        return {404, JsonType, R"({"status":"error","message":"no such status"})"};
    return {200, JsonType, R"({"status":"ok","message":null})"};
}

TWassrService::TReply TWassrService::Destroy(const httplib::Request& request) {
    bool ok = false;
    const int id = QString::fromStdString(request.matches[1].str()).toInt(&ok);
    TFeedStatus removed;
    const auto result = ok ? Feed->Destroy(id, removed) : TStatusFeed::EDestroy::Unknown;
    switch (result) {
    case TStatusFeed::EDestroy::Done:
        return {200, XmlType, StatusXml(removed)};
    case TStatusFeed::EDestroy::NotOwner:
        return {
            403, XmlType,
            ErrorXml(request.target, QStringLiteral("You may not delete another user's status."))};
    case TStatusFeed::EDestroy::Unknown:
        break;
    }
    return {404, XmlType,
            ErrorXml(request.target, QStringLiteral("No status found with that ID."))};
}

TWassrService::TReply TWassrService::RateLimit(const httplib::Request&) {
    return {200, XmlType, Rate.StatusXml(NowMs() / 1000).toStdString()};
}

void TWassrService::ShortUrl(const httplib::Request& request, httplib::Response& response) {
    const auto target = Feed->ShortUrlTarget(QString::fromStdString(request.matches[1].str()));
    if (!target) {
        response.status = 404;
        response.set_content(Page("404 Not Found", {}), HtmlType);
        return;
    }
    response.status = 301;
    response.set_header("Location", target->toStdString());
    response.set_content(Page("Moved Permanently",
                              QStringLiteral("<a href=\"%1\">%1</a>").arg(target->toHtmlEscaped())),
                         HtmlType);
}

void TWassrService::Icon(const httplib::Request& request, httplib::Response& response) {
    const QString login = QString::fromStdString(request.matches[1].str());
    const auto user = Feed->User(login);
    if (!user) {
        response.status = 404;
        response.set_content(Page("404 Not Found", {}), HtmlType);
        return;
    }
    std::lock_guard lock(IconMutex);
    auto icon = IconCache.find(login);
    if (icon == IconCache.end()) {
        const int variant = int(user->IconStamp % 7);
        icon = IconCache.emplace(login, TIcons::Make(user->IconFormat, user->IconColour, variant))
                   .first;
    }
    response.set_content(icon->second.Bytes.toStdString(), icon->second.ContentType.toStdString());
}

void TWassrService::WebPage(const httplib::Request& request, httplib::Response& response) {
    static const QRegularExpression userPath(
        QStringLiteral("^/user/([0-9A-Za-z_]+)(?:/statuses/([0-9A-Za-z]+))?"));
    const QString path = QString::fromStdString(request.path);
    // A wrong API path must not look like success to a client.
    if (path.endsWith(QLatin1String(".json")) || path.endsWith(QLatin1String(".xml"))) {
        response.status = 404;
        response.set_content(R"({"error":"not found"})", JsonType);
        return;
    }
    const auto match = userPath.match(path);
    QString body;
    if (match.hasMatch() && !match.captured(2).isEmpty()) {
        if (const auto status = Feed->FindByRid(match.captured(2)))
            body = "<p>" + status->Text.toHtmlEscaped().replace("\n", "<br />") + "</p>";
    } else if (match.hasMatch()) {
        for (const TFeedStatus& status : Feed->LatestOf(match.captured(1), 5))
            body += "<p>" + status.Text.toHtmlEscaped().replace("\n", "<br />") + "</p>\n";
    }
    if (body.isEmpty())
        body = QStringLiteral("<p>ローカルの Wassr です。</p>");
    response.set_content(Page(path, body), HtmlType);
}

void TWassrService::AdminFault(const httplib::Request& request, httplib::Response& response) {
    const auto fault = TFaults::FromName(Param(request, "kind"));
    bool countOk = true;
    const int count = request.has_param("count") ? Param(request, "count").toInt(&countOk) : 1;
    if (!fault || !countOk || count < 1 || count > 1000000) {
        response.status = 400;
        response.set_content(
            R"({"error":"kind must be one of 400, 500, badjson, hang, slow, huge, trickle; count a positive number"})",
            JsonType);
        return;
    }
    Faults.Queue(*fault, count, Param(request, "seconds").toInt());
    response.set_content(ToJson(QJsonObject{{"kind", TFaults::Name(*fault)}, {"count", count}}),
                         JsonType);
}

void TWassrService::AdminPost(const httplib::Request& request, httplib::Response& response) {
    const QString user = Param(request, "user");
    const QString text = Param(request, "text");
    if (!IsLogin(user) || text.isEmpty()) {
        response.status = 400;
        response.set_content(R"({"error":"user (letters, digits, _) and text are required"})",
                             JsonType);
        return;
    }
    std::optional<QString> replyTo;
    if (request.has_param("reply_user_login_id"))
        replyTo = Param(request, "reply_user_login_id");
    const bool hasUser = Param(request, "nouser") != QLatin1String("1");
    response.set_content(ToJson(Feed->AddStatus(user, text, replyTo, hasUser, NowMs())), JsonType);
}

void TWassrService::AdminShortUrl(const httplib::Request& request, httplib::Response& response) {
    if (request.method == "POST") {
        const QString code = Param(request, "code");
        const QString url = Param(request, "url");
        if (code.isEmpty() || code.contains('/') || url.isEmpty()) {
            response.status = 400;
            response.set_content(R"({"error":"code and url are required"})", JsonType);
            return;
        }
        Feed->SetShortUrl(code, url);
    }
    response.set_content(ToJson(Feed->ShortUrls()), JsonType);
}
