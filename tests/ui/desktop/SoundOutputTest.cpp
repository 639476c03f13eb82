#include <gtest/gtest.h>

#include <QFileInfo>

#include "LazySoundOutput.h"
#include "TestPaths.h"

namespace {

TEST(SoundOutputTest, TheFirstSoundLoadsTheSoundModule) {
    TLazySoundOutput output({BuildPath(QStringLiteral("."))});
    EXPECT_FALSE(output.IsLoaded());
    const QString sound = BuildPath(QStringLiteral("sound/Default/status.wav"));
    ASSERT_TRUE(QFileInfo::exists(sound));
    output.Play(sound); // silent without an audio device, never an error
    EXPECT_TRUE(output.IsLoaded());
    output.Play(sound);
}

} // namespace
