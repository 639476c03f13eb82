#include "NotifySound.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class RecordingSound final : public TSoundOutput {
public:
    void Play(const QString& path) override { Played.append(path); }
    QStringList Played;
};

// A sound set beside the program and the installed one: each file is taken
// from the first folder that holds it.
class NotifySoundTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"beside/Default/status.wav", "beside/Default/reply.wav",
                                 "installed/Default/reply.wav", "installed/Default/message.wav",
                                 "installed/Soft/status.wav"}) {
            const QString path = Dir.filePath(QLatin1String(file));
            QDir().mkpath(QFileInfo(path).path());
            QFile sound(path);
            ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
        }
    }
    QString Path(const char* name) const { return Dir.filePath(QLatin1String(name)); }

    QTemporaryDir Dir;
    const QStringList Folders{Path("beside"), Path("installed")};
};

TEST_F(NotifySoundTest, PlaysTheFirstExistingFileOnly) {
    RecordingSound sound;
    PlayNotifySound(sound, Folders, SoundReply, QStringLiteral("Default"));
    PlayNotifySound(sound, Folders, SoundMessage, QStringLiteral("Default"));
    PlayNotifySound(sound, Folders, SoundStatus, QStringLiteral("Soft"));
    PlayNotifySound(sound, Folders, SoundReply, QStringLiteral("Soft"));     // missing file
    PlayNotifySound(sound, Folders, SoundStatus, QStringLiteral("Missing")); // missing set
    PlayNotifySound(sound, Folders, 7, QStringLiteral("Default"));           // unknown kind
    PlayNotifySound(sound, {}, SoundStatus, QStringLiteral("Default"));      // no folder
    EXPECT_EQ(sound.Played,
              (QStringList{Path("beside/Default/reply.wav"), Path("installed/Default/message.wav"),
                           Path("installed/Soft/status.wav")}));
}

TEST_F(NotifySoundTest, SetNamesFromEveryFolderOnce) {
    EXPECT_EQ(SoundSetNames(Folders + QStringList{Path("missing")}),
              (QStringList{QStringLiteral("Default"), QStringLiteral("Soft")}));
}

} // namespace
