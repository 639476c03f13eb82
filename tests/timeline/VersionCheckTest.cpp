#include "VersionCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionCheckTest, AnnouncesOnlyGreaterVersionTexts) {
    EXPECT_EQ(RunningVersion(), QStringLiteral("0.52"));
    const std::pair<const char*, bool> cases[] = {
        {"0.53", true},
        {"0.6", true},
        {"1.0", true},
        {"0.52.1", true},
        {"0.52", false},
        {"0.100", false},
        {"0", false},
        {"", false},
        // What a failed download or an error page leaves.
        {"<html>", false},
        {"v0.60", false},
        {"0.6 beta", false},
    };
    for (const auto& [version, newer] : cases)
        EXPECT_EQ(IsNewerVersion(QString::fromLatin1(version)), newer) << version;
}

TEST(VersionCheckTest, WritesTheNoticeAndTheAllowance) {
    EXPECT_EQ(VersionNoticeText(QStringLiteral("0.53")),
              QStringLiteral("Quorbelの最新バージョン Ver.0.53 が公開されています！"));
    EXPECT_EQ(RateLimitText(100), QStringLiteral("100 r/h"));
}

} // namespace
