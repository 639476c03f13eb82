#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include "FeedStatus.h"
#include "FeedUser.h"

// The statuses the service knows: a seeded stream of other users' statuses
// that grows as time passes, plus what the account posts. Safe to use from
// several threads.
class TStatusFeed final {
public:
    struct TConfig {
        QString Account;
        QString BaseUrl; // scheme and host of every URL the feed writes
        quint32 Seed = 1;
        double SecondsPerStatus = 20.0;
        int Initial = 30;
        // Percent of the generated statuses whose rid would reshape a request
        // made from it and whose text carries bidi controls and zero characters.
        int HostileRate = 0;
    };
    static constexpr int PageSize = 20;
    static constexpr std::size_t MaxKept = 2000;

    TStatusFeed(const TConfig& config, qint64 nowMs);

    // The newest statuses, newest first, as a JSON array; ids gets their ids.
    QByteArray TimelineJson(qint64 nowMs, QList<int>& ids);
    // The same for the statuses that reply to the account.
    QByteArray RepliesJson(qint64 nowMs, QList<int>& ids);

    // A status of the account, replying to replyStatusRid when that names a known status.
    QJsonObject Post(const QString& text, const QString& replyStatusRid, qint64 nowMs);
    // A status of any user (a new login becomes a new user), for tests.
    QJsonObject AddStatus(const QString& login, const QString& text,
                          const std::optional<QString>& replyUserLoginId, bool hasUser,
                          qint64 nowMs);

    bool Favorite(const QString& rid);
    enum class EDestroy { Done, NotOwner, Unknown };
    EDestroy Destroy(int id, TFeedStatus& removed);

    std::optional<QString> ShortUrlTarget(const QString& code);
    void SetShortUrl(const QString& code, const QString& url);
    QJsonObject ShortUrls();

    std::optional<TFeedUser> User(const QString& login);
    std::optional<TFeedStatus> FindByRid(const QString& rid);
    QList<TFeedStatus> LatestOf(const QString& login, int count);

    // One status object, for replies that only need to look like the feed.
    QByteArray SampleStatusJson();

private:
    enum class EKind;

    void CatchUp(qint64 nowMs);
    QByteArray PageJson(qint64 nowMs, QList<int>& ids, bool repliesOnly);
    void Generate(qint64 epoch);
    void ReplyTo(TFeedStatus& status, const TFeedStatus& target);
    void ReplyToLatestOf(TFeedStatus& status, const QString& login);
    TFeedStatus& Append(TFeedStatus status, qint64 epoch);
    QString Fill(QString text, const QString& shortCode);
    QString Pick(const QStringList& list);
    QString NewRid();
    QString NewHostileRid();
    const TFeedUser& EnsureUser(const QString& login);
    const TFeedUser& OtherUser();
    const TFeedStatus* Latest(const QString& login) const;
    bool RepliesToAccount(const TFeedStatus& status) const;
    QJsonObject ToJson(const TFeedStatus& status) const;
    QString StatusUrl(const TFeedStatus& status) const;
    QString Html(const QString& text) const;

    std::mutex Mutex;
    TConfig Config;
    std::mt19937 Random;
    std::map<QString, TFeedUser> Users;
    QList<QString> Others;            // the logins that write the generated statuses
    std::deque<TFeedStatus> Statuses; // oldest first
    std::set<QString> Rids;
    std::map<QString, QString> ShortCodes;
    int NextId = 0;
    qint64 LastEpoch = 0;
    qint64 NextDueMs = 0;
    std::size_t Generated = 0;
    int HostileMade = 0;
};
