#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QThread>
#include <memory>

#include "ChildProcess.h"
#include "QuorbelVersion.h"
#include "TestPaths.h"
#include "TwitterFriends.h"
#include "TwitterRateLimit.h"
#include "TwitterUpdate.h"
#include "Urls.h"
#include "WorkerRun.h"

namespace {
// The local service as the demo runs it, on a port of its choosing.
class Wassrd : public testing::Test {
protected:
    void SetUp() override {
        const QString program = BuildPath(QStringLiteral("wassrd"));
        if (!QFileInfo::exists(program))
            GTEST_SKIP() << "wassrd is not built";
        Process = std::make_unique<TChildProcess>(
            program, QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                 QStringLiteral("--user"), QStringLiteral("demo"),
                                 QStringLiteral("--password"), QStringLiteral("demo")});
        Process->CheckEnd = true;
        const QByteArray port = Process->ReadLine(10000);
        ASSERT_FALSE(port.isEmpty());
        const QString base = QStringLiteral("http://127.0.0.1:") + QString::fromLatin1(port);
        Settings.Username = Settings.Password = QStringLiteral("demo");
        Settings.ApiURL = Settings.TwitterApiURL = Settings.MakerURL = base;
        Settings.ShortURLPrefix = base + QStringLiteral("/s/");
        Settings.EnableConvertTinyURL = true;
        Settings.EnableDisplayIcon = true;
    }
    void TearDown() override { Process.reset(); }

    std::unique_ptr<TChildProcess> Process;
    TRequestSettings Settings;
};

// The helper that runs wassrd tells how a program ended, so a sanitizer
// finding inside it (a non-zero status) fails the test.
TEST(ChildProcess, AProgramThatDoesNotEndAsAskedFailsTheTest) {
    const auto shell = [](const char* script) {
        return std::make_unique<TChildProcess>(
            QStringLiteral("/bin/sh"),
            QStringList{QStringLiteral("-c"), QString::fromLatin1(script)});
    };
    // Ending by itself with status 0, or by the SIGTERM sent: no failure.
    for (const char* script : {"exit 0", "exec sleep 30"}) {
        const auto process = shell(script);
        process->CheckEnd = true;
    }
    const struct {
        const char* Script;
        const char* Problem;
    } cases[] = {{"exit 23", "exit status 23"}, {"kill -SEGV $$", "signal 11"}};
    for (const auto& c : cases) {
        const auto process = shell(c.Script);
        process->ReadAll(10000);
        while (process->IsRunning())
            QThread::msleep(10);
        EXPECT_EQ(process->EndProblem(), QString::fromLatin1(c.Problem)) << c.Script;
    }
    EXPECT_NONFATAL_FAILURE(
        {
            TChildProcess process(QStringLiteral("/bin/sh"),
                                  {QStringLiteral("-c"), QStringLiteral("exit 23")});
            process.CheckEnd = true;
            process.ReadAll(10000);
        },
        "ended with exit status 23");
}

TEST_F(Wassrd, TimelineWithShortUrlsAndIconsThenAPostThatShowsUp) {
    auto icons = std::make_shared<TIconList>();
    QImage mark(13, 13, QImage::Format_RGB32);
    TImageList images(mark);
    QStringList texts;
    int withIcon = 0;
    auto* fetch = new TTwitterFriends(Settings);
    fetch->IconList = icons;
    fetch->ImageList = &images;
    EXPECT_EQ(RunWorker(fetch,
                        [&](const TTwitterFetch& f) {
                            for (const TFriendItem& status : f.Friends) {
                                texts.append(status.Text);
                                withIcon += status.IconIndex >= 1 ? 1 : 0;
                            }
                        }),
              OutcomeDone);
    EXPECT_FALSE(texts.isEmpty());
    EXPECT_GT(withIcon, 0);
    EXPECT_EQ(images.Count(), icons->Count() + 1);

    auto* update = new TTwitterUpdate(Settings);
    update->Status = URLEncode(QStringLiteral("サービス試験 #1 %").toUtf8()) + "+*Qb*";
    EXPECT_EQ(RunWorker(update), OutcomeDone);
    QStringList after;
    EXPECT_EQ(RunWorker(new TTwitterFriends(Settings),
                        [&](const TTwitterFetch& f) {
                            for (const TFriendItem& status : f.Friends)
                                after.append(status.Text);
                        }),
              OutcomeDone);
    EXPECT_TRUE(after.contains(QStringLiteral("サービス試験 #1 % *Qb*")))
        << after.join('\n').toStdString();
}

TEST_F(Wassrd, RateLimitAndVersion) {
    int hourlyLimit = 0;
    EXPECT_EQ(RunWorker(new TTwitterRateLimit(Settings),
                        [&](const TTwitterRateLimit& w) { hourlyLimit = w.HourlyLimit; }),
              OutcomeDone);
    EXPECT_GT(hourlyLimit, 0);
    QString version;
    EXPECT_EQ(RunWorker(new TQuorbelVersion(Settings),
                        [&](const TQuorbelVersion& w) { version = w.Version; }),
              OutcomeDone);
    EXPECT_FALSE(version.isEmpty());
    EXPECT_NE(version, QStringLiteral("0"));
}

TEST_F(Wassrd, WrongPasswordIsAnError) {
    Settings.Password = QStringLiteral("wrong");
    EXPECT_EQ(RunWorker(new TTwitterFriends(Settings)), OutcomeError);
}
} // namespace
