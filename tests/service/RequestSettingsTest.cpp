#include <gtest/gtest.h>

#include "QuorbelPrefs.h"
#include "RequestSettings.h"

namespace {
TEST(RequestSettings, SnapshotTakesEachSettingFromItsOwnField) {
    TQuorbelPrefs prefs(QStringLiteral("/nonexistent/quorbel.ini"),
                        QStringLiteral("/nonexistent/quorbel"));
    prefs.Username = QStringLiteral("user");
    prefs.Password = QStringLiteral("password");
    prefs.UseProxy = true;
    prefs.ProxyServer = QStringLiteral("proxy.example.jp");
    prefs.ProxyPort = 3128;
    prefs.ProxyUser = QStringLiteral("proxy user");
    prefs.ProxyPass = QStringLiteral("proxy pass");
    prefs.UsePOSTMethod = true;
    prefs.EnableConvertTinyURL = true;
    prefs.EnableDisplayIcon = false;
    prefs.Server.ApiURL = QStringLiteral("http://api.example.jp");
    prefs.Server.TwitterApiURL = QStringLiteral("http://twitter.example.jp");
    prefs.Server.ShortURLPrefix = QStringLiteral("http://short.example.jp/");
    prefs.Server.MakerURL = QStringLiteral("http://maker.example.jp");

    const TRequestSettings s = TRequestSettings::FromPrefs(prefs);
    EXPECT_EQ(s.Username, QStringLiteral("user"));
    EXPECT_EQ(s.Password, QStringLiteral("password"));
    EXPECT_TRUE(s.UseProxy);
    EXPECT_EQ(s.ProxyServer, QStringLiteral("proxy.example.jp"));
    EXPECT_EQ(s.ProxyPort, 3128);
    EXPECT_EQ(s.ProxyUser, QStringLiteral("proxy user"));
    EXPECT_EQ(s.ProxyPass, QStringLiteral("proxy pass"));
    EXPECT_TRUE(s.UsePOSTMethod);
    EXPECT_TRUE(s.EnableConvertTinyURL);
    EXPECT_FALSE(s.EnableDisplayIcon);
    EXPECT_EQ(s.ApiURL, QStringLiteral("http://api.example.jp"));
    EXPECT_EQ(s.TwitterApiURL, QStringLiteral("http://twitter.example.jp"));
    EXPECT_EQ(s.ShortURLPrefix, QStringLiteral("http://short.example.jp/"));
    EXPECT_EQ(s.MakerURL, QStringLiteral("http://maker.example.jp"));
}
} // namespace
