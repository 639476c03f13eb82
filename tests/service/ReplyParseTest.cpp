#include <gtest/gtest.h>

#include "QuorbelVersion.h"
#include "RecordingServer.h"
#include "TwitterRateLimit.h"
#include "WorkerRun.h"

namespace {
struct TLimits {
    bool Whole;
    int RemainingHits;
    int HourlyLimit;
    int ResetTimeInSeconds;
    bool operator==(const TLimits&) const = default;
};

TLimits Parse(const QByteArray& text) {
    TTwitterRateLimit worker{TRequestSettings{}};
    const bool whole = worker.ParseRateLimit(text);
    return {whole, worker.RemainingHits, worker.HourlyLimit, worker.ResetTimeInSeconds};
}

TEST(RateLimitReply, RealRepliesParse) {
    EXPECT_EQ(Parse(ServiceFixture(QStringLiteral("rate_limit_status_a.xml"))),
              (TLimits{true, 19933, 20000, 1239227843}));
    EXPECT_EQ(Parse(ServiceFixture(QStringLiteral("rate_limit_status_b.xml"))),
              (TLimits{true, 100, 100, 1236529763}));
    EXPECT_EQ(Parse(ServiceFixture(QStringLiteral("rate_limit_status_c.xml"))),
              (TLimits{true, 99, 100, 1240779470}));
}

TEST(RateLimitReply, TheWalkStopsAtTheFirstValueThatIsNoInteger) {
    struct TCase {
        const char* Text;
        TLimits Expected;
    };
    const TCase cases[] = {
        {"<hash><remaining-hits>87</remaining-hits><hourly-limit>100</hourly-limit>"
         "<reset-time-in-seconds>3600</reset-time-in-seconds></hash>",
         {true, 87, 100, 3600}},
        {"<hash><remaining-hits>87</remaining-hits><hourly-limit>lots</hourly-limit>"
         "<reset-time-in-seconds>3600</reset-time-in-seconds></hash>",
         {false, 87, 0, 0}},
        {"<hash><hourly-limit>-5</hourly-limit><remaining-hits> 7 </remaining-hits></hash>",
         {true, 7, -5, 0}},
        {"<hash><hourly-limit>99999999999</hourly-limit></hash>", {false, 0, 0, 0}},
        {"<hash><hourly-limit></hourly-limit></hash>", {false, 0, 0, 0}},
        {"<hash><hourly-limit><b>1</b></hourly-limit></hash>", {false, 0, 0, 0}},
        // Names match exactly; grandchildren and other children are skipped.
        {"<hash><Hourly-Limit>5</Hourly-Limit><x><hourly-limit>6</hourly-limit></x></hash>",
         {true, 0, 0, 0}},
        // Not a well-formed document: nothing is read.
        {"<hash><remaining-hits>87</remaining-hits>", {false, 0, 0, 0}},
        {"Service Unavailable", {false, 0, 0, 0}},
        {"", {false, 0, 0, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(Parse(c.Text), c.Expected);
    }
}

TEST(RateLimitReply, WorkerHandsBackWhatItRead) {
    TRecordingServer server([](const httplib::Request&, httplib::Response& response) {
        response.set_content(
            "<hash><remaining-hits>87</remaining-hits><hourly-limit>x</hourly-limit>"
            "<reset-time-in-seconds>3600</reset-time-in-seconds></hash>",
            "application/xml");
    });
    TLimits seen{};
    EXPECT_EQ(RunWorker(new TTwitterRateLimit(ServerSettings(server)),
                        [&](const TTwitterRateLimit& w) {
                            seen = {false, w.RemainingHits, w.HourlyLimit, w.ResetTimeInSeconds};
                        }),
              OutcomeDone);
    EXPECT_EQ(seen, (TLimits{false, 87, 0, 0}));
}

TEST(VersionFile, TrimmedOnlyAtBothEnds) {
    struct TCase {
        QByteArray Content;
        QString Version;
    };
    const TCase cases[] = {
        {"0.53\r\n", QStringLiteral("0.53")},
        {" \t\x01"
         "0.60\x7f\x00\r\n",
         QStringLiteral("0.60\x7f")},
        {"0.53\r\n新しい版\r\n\r\n", QStringLiteral("0.53\r\n新しい版")},
        {"\r\n \r\n", QString()},
        {"", QString()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Content.toStdString());
        EXPECT_EQ(TQuorbelVersion::VersionFromFile(c.Content), c.Version);
    }
}

TEST(VersionFile, WorkerKeepsZeroWhenTheFileIsMissing) {
    for (const int status : {200, 404}) {
        TRecordingServer server([status](const httplib::Request&, httplib::Response& response) {
            response.status = status;
            response.set_content("0.53\r\n", "text/plain");
        });
        QString version;
        const auto outcome = RunWorker(new TQuorbelVersion(ServerSettings(server)),
                                       [&](const TQuorbelVersion& w) { version = w.Version; });
        EXPECT_EQ(outcome, status == 200 ? OutcomeDone : OutcomeError);
        EXPECT_EQ(version, status == 200 ? QStringLiteral("0.53") : QStringLiteral("0"));
    }
}
} // namespace
