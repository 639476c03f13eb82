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

TEST(PlayNotifySoundTest, PlaysExistingFilesOnly) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("sound/Default"));
    for (const char* name : {"status.wav", "reply.wav"}) {
        QFile file(dir.path() + "/sound/Default/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    RecordingSound sound;
    PlayNotifySound(sound, dir.path(), SoundReply, QStringLiteral("Default"));
    PlayNotifySound(sound, dir.path(), SoundStatus, QStringLiteral("Default"));
    PlayNotifySound(sound, dir.path(), SoundMessage, QStringLiteral("Default")); // missing file
    PlayNotifySound(sound, dir.path(), SoundStatus, QStringLiteral("Missing"));  // missing set
    PlayNotifySound(sound, dir.path(), 7, QStringLiteral("Default"));            // unknown kind
    EXPECT_EQ(sound.Played, (QStringList{dir.path() + "/sound/Default/reply.wav",
                                         dir.path() + "/sound/Default/status.wav"}));
}

} // namespace
