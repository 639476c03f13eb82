// Notification sounds through a real PulseAudio server of the test's own,
// recorded from its null sink.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "LazySoundOutput.h"
#include "PulseServer.h"
#include "TestPaths.h"
#include "WassrdServer.h"
#include "WindowFixture.h"

namespace {

const QString TimelineDone = QStringLiteral("フレンド・タイムライン取得終了 (%1件)");
// Longer than either sound, with the server's latency.
constexpr int SoundMsecs = 900;

// The samples of one of the program's sound files (16-bit mono PCM).
std::vector<qint16> SoundFileSamples(const QString& name) {
    QFile file(BuildPath(QStringLiteral("sound/Default/") + name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data");
    if (data < 0)
        return {};
    std::vector<qint16> samples(size_t(bytes.size() - data - 8) / sizeof(qint16));
    std::memcpy(samples.data(), bytes.constData() + data + 8, samples.size() * sizeof(qint16));
    return samples;
}

// The tones of a sound: its power at every 5 Hz from 500 to 1250 Hz, where
// the notes of the chimes lie. Unlike the waveform, it stays the same when a
// sound server delays a sound or drops a few milliseconds of it.
std::vector<double> Tones(const std::vector<qint16>& samples) {
    std::vector<double> power;
    for (int frequency = 500; frequency <= 1250; frequency += 5) {
        // Goertzel's filter for one frequency.
        const double c = 2 * std::cos(2 * M_PI * frequency / TPulseServer::RecordRate);
        double s1 = 0, s2 = 0;
        for (const qint16 sample : samples) {
            const double s0 = sample + c * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        power.push_back(s1 * s1 + s2 * s2 - c * s1 * s2);
    }
    return power;
}

// 1 for the same tones in the same proportions, 0 for no tone in common.
double Likeness(const std::vector<double>& a, const std::vector<double>& b) {
    const double both = std::inner_product(a.begin(), a.end(), b.begin(), 0.0);
    const double norms = std::sqrt(std::inner_product(a.begin(), a.end(), a.begin(), 0.0) *
                                   std::inner_product(b.begin(), b.end(), b.begin(), 0.0));
    return norms > 0 ? both / norms : 0;
}

bool IsSilent(const std::vector<qint16>& samples) {
    return std::all_of(samples.begin(), samples.end(), [](qint16 s) { return s == 0; });
}

class SoundTest : public TWindowFixture {
protected:
    void SetUp() override {
        // Qt connects to a sound server once per process; CTest runs every
        // test in a process of its own.
        if (std::exchange(SoundUsed, true))
            GTEST_SKIP() << "a sound server was already used in this process: run this test alone";
    }

    // The window with the real sound output and the default sound set, settled
    // after one fetch into the filled timeline, so that the next news is marked.
    void OpenWithSound(const QString& sound) {
        QDir(Folder.path()).mkpath(QStringLiteral("sound/Default"));
        for (const QString& name : {QStringLiteral("status.wav"), QStringLiteral("reply.wav")}) {
            const QString copy = FilePath(QStringLiteral("sound/Default/") + name);
            ASSERT_TRUE(QFile::exists(copy) ||
                        QFile::copy(BuildPath(QStringLiteral("sound/Default/") + name), copy));
        }
        OpenWith(Server.IniLines() + QStringLiteral("[Sound]\n") + sound,
                 std::make_unique<TRecordingTray>(),
                 std::make_unique<TLazySoundOutput>(QStringList{BuildPath(QStringLiteral("."))}));
        ASSERT_TRUE(WaitForStartUpFetches());
        Fetch(0);
    }
    void Fetch(int expected) {
        Press(Qt::CTRL | Qt::Key_R);
        ASSERT_TRUE(WaitForPanel(TimelineDone.arg(expected))) << Panel(0).toStdString();
    }
    void FetchNews(const QList<std::pair<QString, QString>>& status) {
        EXPECT_TRUE(Server.Admin("/admin/post", status));
        Fetch(1);
    }

    TWassrdServer Server;
    static inline bool SoundUsed = false;
};

class SoundServerTest : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        if (!IsSkipped() && !Pulse.Failure().isEmpty())
            GTEST_SKIP() << Pulse.Failure().toStdString();
    }

    // What the sound server played while a fetch brought one status.
    std::vector<qint16> RecordNews(const QList<std::pair<QString, QString>>& status) {
        if (!Pulse.StartRecording()) {
            ADD_FAILURE() << "parec did not record, or the sink never became quiet";
            return {};
        }
        FetchNews(status);
        QTest::qWait(SoundMsecs);
        return Pulse.StopRecording();
    }

    TPulseServer Pulse;
};

TEST_F(SoundServerTest, NewsPlaysTheStatusSoundAndAReplyTheReplySound) {
    OpenWithSound(QStringLiteral("SndStatus=1\nSndReply=1\n"));
    // The files are 16-bit mono at the rate of the recordings.
    const std::vector<double> statusFile = Tones(SoundFileSamples(QStringLiteral("status.wav")));
    const std::vector<double> replyFile = Tones(SoundFileSamples(QStringLiteral("reply.wav")));
    ASSERT_LT(Likeness(statusFile, replyFile), 0.1) << "the two sounds have tones of their own";

    const std::vector<double> status =
        Tones(RecordNews({{"user", "hanako"}, {"text", "ひとつめ"}}));
    const std::vector<double> reply = Tones(RecordNews(
        {{"user", "tetsu_m"}, {"text", "@demo 了解です"}, {"reply_user_login_id", "demo"}}));

    // Each recording is its own file, not the other one.
    EXPECT_GT(Likeness(status, statusFile), 0.8);
    EXPECT_LT(Likeness(status, replyFile), 0.2);
    EXPECT_GT(Likeness(reply, replyFile), 0.8);
    EXPECT_LT(Likeness(reply, statusFile), 0.2);
}

TEST_F(SoundServerTest, SoundsOffOrAMissingSoundSetPlayNothing) {
    OpenWithSound(QStringLiteral("SndStatus=1\nSndReply=1\nSoundSet=Nowhere\n"));
    EXPECT_TRUE(IsSilent(RecordNews({{"user", "hanako"}, {"text", "ひとつめ"}})));
    // The settings are read at start only: sounds off is a window of its own.
    TearDown();
    OpenWithSound(QStringLiteral("SndStatus=0\nSndReply=0\n"));
    EXPECT_TRUE(IsSilent(RecordNews({{"user", "hanako"}, {"text", "ふたつめ"}})));
}

TEST_F(SoundTest, WithoutASoundServerNewsIsSilentAndTheWindowGoesOn) {
    qputenv("PULSE_SERVER", "unix:/nonexistent/native");
    OpenWithSound(QStringLiteral("SndStatus=1\nSndReply=1\n"));
    FetchNews({{"user", "hanako"}, {"text", "ひとつめ"}});
    FetchNews({{"user", "tetsu_m"}, {"text", "@demo 了解です"}, {"reply_user_login_id", "demo"}});
    FetchNews({{"user", "hanako"}, {"text", "みっつめ"}});
    qunsetenv("PULSE_SERVER");
}

} // namespace
