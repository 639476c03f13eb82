#include "StatusFeed.h"

#include <algorithm>
#include <array>

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include "FeedPhrases.h"

namespace {

struct TUserSeed {
    const char* Login;
    const char* ScreenName;
    const char* Format;
    QRgb Colour;
};

// Every image type occurs among the authors: the client must sniff, not trust the URL.
const std::array<TUserSeed, 7> UserSeeds{{
    {"nekomimi", "ねこみみ", "BMP", 0xF4A6C0},
    {"hanako", "花子", "JPEG", 0x9AD0EC},
    {"ramen_taro", "ラーメン太郎", "GIF", 0xF2C14E},
    {"sakura88", "さくら", "PNG", 0xF7C6D9},
    {"kumagoro", "くまごろう", "BMP", 0xA0785A},
    {"yukidaruma", "雪だるま☃", "JPEG", 0xD8E8F8},
    {"tetsu_m", "てつ@終電", "GIF", 0x7FB77E},
}};
const std::array<const char*, 4> Formats{"BMP", "JPEG", "GIF", "PNG"};
constexpr qint64 FirstIconStamp = 1246432820;
constexpr qint64 IconStampStep = 86413;

// Short codes the feed links to, and one that leads nowhere.
const std::array<std::pair<const char*, const char*>, 4> ShortSeeds{{
    {"wsr9k2a", "http://www.example.jp/news/2009/10/01/article.html"},
    {"3xq8z7m", "http://ja.wikipedia.org/wiki/%E3%83%AF%E3%83%83%E3%82%B5%E3%83%BC"},
    {"p0ny4u1", "http://www.example.com/search?q=%E3%83%A9%E3%83%BC%E3%83%A1%E3%83%B3&lang=ja"},
    {"kf83ndq", "https://www.example.org/photos/1234567890/"},
}};
const QString DeadShortCode = QStringLiteral("zz9x0qw");

// The author of the hostile statuses: a name that reads backwards.
const QString HostileLogin = QStringLiteral("spoofu");
const QString HostileScreenName = QStringLiteral("\u202Eevil");
// Rids that would add a form field, leave their path segment or break a
// header line if a client sent them as they are; a number after each keeps
// it unique.
const std::array<QString, 4> HostileRids{
    QStringLiteral("r&status=HIJACK&x="),
    QStringLiteral("../../statuses/destroy/"),
    QStringLiteral("x HTTP/1.0\r\nX-Injected: yes\r\n"),
    QStringLiteral("?x=%00#"),
};
// Texts whose bidi controls turn what is shown around, and zero characters.
const std::array<QString, 3> HostileTexts{
    QStringLiteral("bidi \u202Egnp.exe\u202C をどうぞ"),
    QStringLiteral("ゼロ\0のあとも\0続く"),
    QStringLiteral("\u2066隔離\u2069 と \u202D上書き\u202C\0"),
};

const QString RidAlphabet =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");

bool IsNameChar(QChar c) {
    return c.isDigit() || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '@';
}

} // namespace

// What a generated status shows off.
enum class TStatusFeed::EKind {
    Plain,
    ReplyToMe,      // "@me ..." with reply_user_login_id set
    Heart,          // "<3"
    ShortUrl,       // one short URL, sometimes twice
    NoUser,         // the "user" object left out
    MultiLine,      // line feeds in the text
    ReplyToOther,   // "@other ..." to another author
    ReplyToMeNoAt,  // reply_user_login_id set, no "@me" in the text
    ReplyToMeEmpty, // "@me ..." with reply_user_login_id ""
    Link,           // a plain web address
    Mention,        // "@other ..." with reply_user_login_id null
    ReplyToMeNull,  // "@me ..." with reply_user_login_id null
    Own,            // the account's own, posted elsewhere
    DeadShortUrl,   // a short URL whose code is unknown
    Emoji,          // ends with an emoji
};

TStatusFeed::TStatusFeed(const TConfig& config, qint64 nowMs)
    : Config(config), Random(config.Seed) {
    for (std::size_t i = 0; i < UserSeeds.size(); ++i) {
        const TUserSeed& seed = UserSeeds[i];
        const QString login = QString::fromUtf8(seed.Login);
        Users[login] = {login, QString::fromUtf8(seed.ScreenName), seed.Format, seed.Colour,
                        FirstIconStamp + qint64(i) * IconStampStep};
        Others.append(login);
    }
    Users[HostileLogin] = {HostileLogin, HostileScreenName, "PNG", 0x202020,
                           FirstIconStamp - IconStampStep};
    Users[Config.Account] = {Config.Account, Config.Account, "PNG", 0x6C8EBF,
                             FirstIconStamp + qint64(UserSeeds.size()) * IconStampStep};
    for (const auto& [code, url] : ShortSeeds)
        ShortCodes[QString::fromLatin1(code)] = QString::fromLatin1(url);

    NextId = 700001 + int(Random() % 1000);
    const qint64 stepMs =
        qint64((Config.SecondsPerStatus > 0 ? Config.SecondsPerStatus : 60) * 1000);
    for (int i = Config.Initial; i > 0; --i)
        Generate((nowMs - i * stepMs) / 1000);
    NextDueMs = nowMs + stepMs;
}

void TStatusFeed::CatchUp(qint64 nowMs) {
    if (Config.SecondsPerStatus <= 0)
        return;
    const qint64 stepMs = std::max<qint64>(1, qint64(Config.SecondsPerStatus * 1000));
    // After a long quiet spell only the statuses that can still be kept are made.
    if ((nowMs - NextDueMs) / stepMs > qint64(MaxKept))
        NextDueMs = nowMs - qint64(MaxKept) * stepMs;
    for (; NextDueMs <= nowMs; NextDueMs += stepMs)
        Generate(NextDueMs / 1000);
}

QString TStatusFeed::Pick(const QStringList& list) {
    return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(Random)];
}

QString TStatusFeed::Fill(QString text, const QString& shortCode) {
    text.replace(QLatin1String("{url}"), Config.BaseUrl + "/s/" + shortCode);
    text.replace(QLatin1String("{link}"), Pick(TFeedPhrases::Links()));
    while (text.contains(QLatin1String("{emoji}")))
        text.replace(text.indexOf(QLatin1String("{emoji}")), 7, Pick(TFeedPhrases::Emoji()));
    return text;
}

QString TStatusFeed::NewRid() {
    std::uniform_int_distribution<qsizetype> pick(0, RidAlphabet.size() - 1);
    for (;;) {
        QString rid;
        for (int i = 0; i < 10; ++i)
            rid += RidAlphabet[pick(Random)];
        if (Rids.insert(rid).second)
            return rid;
    }
}

QString TStatusFeed::NewHostileRid() {
    const int n = HostileMade++;
    QString rid = HostileRids[std::size_t(n) % HostileRids.size()] + QString::number(n);
    Rids.insert(rid);
    return rid;
}

const TFeedUser& TStatusFeed::EnsureUser(const QString& login) {
    auto found = Users.find(login);
    if (found == Users.end()) {
        const std::size_t n = Users.size();
        const QRgb colour = 0x404040 | (Random() & 0xBFBFBF);
        found = Users
                    .emplace(login, TFeedUser{login, login, Formats[n % Formats.size()], colour,
                                              FirstIconStamp + qint64(n) * IconStampStep})
                    .first;
    }
    return found->second;
}

const TFeedUser& TStatusFeed::OtherUser() {
    return Users.at(Pick(Others));
}

const TFeedStatus* TStatusFeed::Latest(const QString& login) const {
    const auto found = std::find_if(Statuses.rbegin(), Statuses.rend(),
                                    [&](const TFeedStatus& s) { return s.UserLogin == login; });
    return found == Statuses.rend() ? nullptr : &*found;
}

TFeedStatus& TStatusFeed::Append(TFeedStatus status, qint64 epoch) {
    status.Id = NextId;
    // Other users post too: the ids the account sees are increasing, with gaps.
    NextId += 1 + int(Random() % 7);
    if (status.Rid.isEmpty())
        status.Rid = NewRid();
    LastEpoch = std::max(LastEpoch, epoch);
    status.Epoch = LastEpoch;
    Statuses.push_back(std::move(status));
    while (Statuses.size() > MaxKept) {
        Rids.erase(Statuses.front().Rid);
        Statuses.pop_front();
    }
    return Statuses.back();
}

void TStatusFeed::ReplyTo(TFeedStatus& status, const TFeedStatus& target) {
    status.ReplyUserLoginId = target.UserLogin;
    status.ReplyStatusRid = target.Rid;
    status.ReplyStatusUser = target.UserLogin;
    status.ReplyMessage = target.Text;
    status.ReplyUserNick = Users.at(target.UserLogin).ScreenName;
}

void TStatusFeed::ReplyToLatestOf(TFeedStatus& status, const QString& login) {
    if (const TFeedStatus* target = Latest(login))
        ReplyTo(status, *target);
    else
        status.ReplyUserLoginId = login;
}

void TStatusFeed::Generate(qint64 epoch) {
    // The rhythm of the generated stream: any run of this many generated statuses
    // holds every kind, so a page of the timeline always shows the variety.
    static constexpr std::array Cycle{
        EKind::Plain,    EKind::ReplyToMe,      EKind::Heart,        EKind::ShortUrl,
        EKind::NoUser,   EKind::MultiLine,      EKind::ReplyToOther, EKind::ReplyToMeNoAt,
        EKind::Emoji,    EKind::ReplyToMeEmpty, EKind::Link,         EKind::Mention,
        EKind::ShortUrl, EKind::ReplyToMeNull,  EKind::Own,          EKind::DeadShortUrl,
    };
    const EKind kind = Cycle[Generated++ % Cycle.size()];
    const QString& me = Config.Account;
    TFeedStatus status;
    status.UserLogin = kind == EKind::Own ? me : OtherUser().Login;
    QString other;
    do {
        other = OtherUser().Login;
    } while (other == status.UserLogin);
    const auto& seed = ShortSeeds[Random() % ShortSeeds.size()];
    QString shortCode = QString::fromLatin1(seed.first);

    QString text;
    switch (kind) {
    case EKind::Plain:
    case EKind::NoUser:
    case EKind::Own:
        text = Pick(TFeedPhrases::Plain());
        break;
    case EKind::Emoji:
        text = Pick(TFeedPhrases::Plain()) + "{emoji}";
        break;
    case EKind::Heart:
        text = Pick(TFeedPhrases::Hearts());
        break;
    case EKind::ShortUrl:
        text = Pick(TFeedPhrases::WithShortUrl());
        break;
    case EKind::DeadShortUrl:
        text = Pick(TFeedPhrases::WithShortUrl());
        shortCode = DeadShortCode;
        break;
    case EKind::MultiLine:
        text = Pick(TFeedPhrases::MultiLine());
        break;
    case EKind::Link:
        text = Pick(TFeedPhrases::WithLink());
        break;
    case EKind::ReplyToMe:
        text = "@" + me + " " + Pick(TFeedPhrases::Replies());
        ReplyToLatestOf(status, me);
        break;
    case EKind::ReplyToMeNoAt:
        text = Pick(TFeedPhrases::Replies());
        ReplyToLatestOf(status, me);
        break;
    case EKind::ReplyToMeEmpty:
        text = "@" + me + " " + Pick(TFeedPhrases::Replies());
        status.ReplyUserLoginId = QString();
        break;
    case EKind::ReplyToMeNull:
        text = "@" + me + " " + Pick(TFeedPhrases::Replies());
        break;
    case EKind::ReplyToOther:
        text = "@" + other + " " + Pick(TFeedPhrases::Replies());
        ReplyToLatestOf(status, other);
        break;
    case EKind::Mention:
        text = "@" + other + " " + Pick(TFeedPhrases::Plain());
        break;
    }
    status.Text = Fill(text, shortCode);
    status.HasUser = kind != EKind::NoUser;
    if (Config.HostileRate > 0 && int(Random() % 100) < Config.HostileRate) {
        status.UserLogin = HostileLogin;
        status.Text = HostileTexts[Random() % HostileTexts.size()];
        status.Rid = NewHostileRid();
    }
    if (Random() % 5 == 0)
        status.Favorites.append(other);
    status.HasPhoto = Random() % 10 == 0;
    if (Random() % 8 == 0)
        status.AreaName = Pick(TFeedPhrases::AreaNames());
    Append(std::move(status), epoch);
}

bool TStatusFeed::RepliesToAccount(const TFeedStatus& status) const {
    if (status.ReplyUserLoginId == Config.Account)
        return true;
    const QString prefix = "@" + Config.Account;
    return status.Text.startsWith(prefix) &&
           (status.Text.size() == prefix.size() || !IsNameChar(status.Text[prefix.size()]));
}

QString TStatusFeed::StatusUrl(const TFeedStatus& status) const {
    return Config.BaseUrl + "/user/" + status.UserLogin + "/statuses/" + status.Rid;
}

QString TStatusFeed::Html(const QString& text) const {
    static const QRegularExpression linkable(
        QStringLiteral("https?://[-_.!~*'()a-zA-Z0-9;/?:@&=+$,%#]+|^@[0-9A-Za-z_]+"));
    QString html;
    qsizetype at = 0;
    for (auto it = linkable.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        html += text.mid(at, match.capturedStart() - at).toHtmlEscaped();
        const QString found = match.captured();
        const QString target =
            found.startsWith('@') ? Config.BaseUrl + "/user/" + found.mid(1) : found;
        html += QStringLiteral("<a href=\"%1\" rel=\"nofollow\">%2</a>")
                    .arg(target.toHtmlEscaped(), found.toHtmlEscaped());
        at = match.capturedEnd();
    }
    html += text.mid(at).toHtmlEscaped();
    return html.replace(QLatin1String("\n"), QLatin1String("<br />"));
}

QJsonObject TStatusFeed::ToJson(const TFeedStatus& status) const {
    const auto orNull = [](bool present, const QString& value) {
        return present ? QJsonValue(value) : QJsonValue();
    };
    const bool isReply = !status.ReplyStatusRid.isEmpty();
    const QString statusUrl = StatusUrl(status);
    QJsonObject json{
        {"html", Html(status.Text)},
        {"text", status.Text},
        {"link", statusUrl},
        {"id", QString::number(status.Id)},
        {"rid", status.Rid},
        {"user_login_id", status.UserLogin},
        {"reply_user_login_id",
         orNull(status.ReplyUserLoginId.has_value(), status.ReplyUserLoginId.value_or(QString()))},
        {"epoch", status.Epoch},
        {"favorites", QJsonArray::fromStringList(status.Favorites)},
        {"photo_url", orNull(status.HasPhoto, statusUrl + "/photo")},
        {"photo_thumbnail_url", orNull(status.HasPhoto, statusUrl + "/photo_thumbnail")},
        {"reply_status_url", orNull(isReply, Config.BaseUrl + "/user/" + status.ReplyStatusUser +
                                                 "/statuses/" + status.ReplyStatusRid)},
        {"reply_message", orNull(isReply, status.ReplyMessage)},
        {"reply_user_nick", orNull(isReply, status.ReplyUserNick)},
        {"slurl", QJsonValue()},
        {"areaname", orNull(!status.AreaName.isEmpty(), status.AreaName)},
        {"areacode", QJsonValue()},
    };
    if (status.HasUser) {
        const TFeedUser& user = Users.at(status.UserLogin);
        json["user"] = QJsonObject{
            {"screen_name", user.ScreenName},
            {"profile_image_url", Config.BaseUrl + "/user/" + user.Login + "/profile_img.png.64." +
                                      QString::number(user.IconStamp)},
            {"protected", false},
        };
    }
    return json;
}

QByteArray TStatusFeed::PageJson(qint64 nowMs, QList<int>& ids, bool repliesOnly) {
    std::lock_guard lock(Mutex);
    CatchUp(nowMs);
    QJsonArray page;
    for (auto it = Statuses.rbegin(); it != Statuses.rend() && page.size() < PageSize; ++it) {
        if (!repliesOnly || RepliesToAccount(*it)) {
            page.append(ToJson(*it));
            ids.append(it->Id);
        }
    }
    return QJsonDocument(page).toJson(QJsonDocument::Compact);
}

QByteArray TStatusFeed::TimelineJson(qint64 nowMs, QList<int>& ids) {
    return PageJson(nowMs, ids, false);
}

QByteArray TStatusFeed::RepliesJson(qint64 nowMs, QList<int>& ids) {
    return PageJson(nowMs, ids, true);
}

QJsonObject TStatusFeed::Post(const QString& text, const QString& replyStatusRid, qint64 nowMs) {
    std::lock_guard lock(Mutex);
    CatchUp(nowMs);
    TFeedStatus status;
    status.UserLogin = Config.Account;
    status.Text = text;
    if (!replyStatusRid.isEmpty()) {
        const auto target = std::find_if(Statuses.begin(), Statuses.end(),
                                         [&](const auto& s) { return s.Rid == replyStatusRid; });
        if (target != Statuses.end())
            ReplyTo(status, *target);
    }
    return ToJson(Append(std::move(status), nowMs / 1000));
}

QJsonObject TStatusFeed::AddStatus(const QString& login, const QString& text,
                                   const std::optional<QString>& replyUserLoginId, bool hasUser,
                                   qint64 nowMs) {
    std::lock_guard lock(Mutex);
    CatchUp(nowMs);
    EnsureUser(login);
    TFeedStatus status;
    status.UserLogin = login;
    status.Text = text;
    status.HasUser = hasUser;
    if (replyUserLoginId && !replyUserLoginId->isEmpty() && Users.count(*replyUserLoginId))
        ReplyToLatestOf(status, *replyUserLoginId);
    status.ReplyUserLoginId = replyUserLoginId;
    return ToJson(Append(std::move(status), nowMs / 1000));
}

bool TStatusFeed::Favorite(const QString& rid) {
    std::lock_guard lock(Mutex);
    const auto found =
        std::find_if(Statuses.begin(), Statuses.end(), [&](const auto& s) { return s.Rid == rid; });
    if (found == Statuses.end())
        return false;
    if (!found->Favorites.contains(Config.Account))
        found->Favorites.append(Config.Account);
    return true;
}

TStatusFeed::EDestroy TStatusFeed::Destroy(int id, TFeedStatus& removed) {
    std::lock_guard lock(Mutex);
    const auto found =
        std::find_if(Statuses.begin(), Statuses.end(), [&](const auto& s) { return s.Id == id; });
    if (found == Statuses.end())
        return EDestroy::Unknown;
    if (found->UserLogin != Config.Account)
        return EDestroy::NotOwner;
    removed = *found;
    Rids.erase(found->Rid);
    Statuses.erase(found);
    return EDestroy::Done;
}

std::optional<QString> TStatusFeed::ShortUrlTarget(const QString& code) {
    std::lock_guard lock(Mutex);
    const auto found = ShortCodes.find(code);
    if (found == ShortCodes.end())
        return std::nullopt;
    return found->second;
}

void TStatusFeed::SetShortUrl(const QString& code, const QString& url) {
    std::lock_guard lock(Mutex);
    ShortCodes[code] = url;
}

QJsonObject TStatusFeed::ShortUrls() {
    std::lock_guard lock(Mutex);
    QJsonObject codes;
    for (const auto& [code, url] : ShortCodes)
        codes[code] = url;
    return codes;
}

std::optional<TFeedUser> TStatusFeed::User(const QString& login) {
    std::lock_guard lock(Mutex);
    const auto found = Users.find(login);
    if (found == Users.end())
        return std::nullopt;
    return found->second;
}

std::optional<TFeedStatus> TStatusFeed::FindByRid(const QString& rid) {
    std::lock_guard lock(Mutex);
    const auto found =
        std::find_if(Statuses.begin(), Statuses.end(), [&](const auto& s) { return s.Rid == rid; });
    if (found == Statuses.end())
        return std::nullopt;
    return *found;
}

QList<TFeedStatus> TStatusFeed::LatestOf(const QString& login, int count) {
    std::lock_guard lock(Mutex);
    QList<TFeedStatus> found;
    for (auto it = Statuses.rbegin(); it != Statuses.rend() && found.size() < count; ++it) {
        if (it->UserLogin == login)
            found.append(*it);
    }
    return found;
}

QByteArray TStatusFeed::SampleStatusJson() {
    std::lock_guard lock(Mutex);
    TFeedStatus sample;
    if (!Statuses.empty())
        sample = Statuses.back();
    else
        sample.UserLogin = Config.Account;
    return QJsonDocument(ToJson(sample)).toJson(QJsonDocument::Compact);
}
