#include <gtest/gtest.h>

#include "PrefsChecks.h"

namespace {

struct CheckCase {
    const char* Name;
    TPrefsInput Input;
    TPrefsCheck Expected;
};

TPrefsInput Input(const char* user, bool useProxy, const char* server, const char* port,
                  bool proxyEditable = true) {
    return {QString::fromUtf8(user), useProxy, QString::fromUtf8(server), QString::fromUtf8(port),
            proxyEditable};
}

TEST(PrefsChecksTest, ChecksInOrder) {
    const CheckCase cases[] = {
        {"proxy off ignores an empty port", Input("taro", false, "", ""), TPrefsCheck::Passed},
        {"proxy off ignores a bad port", Input("taro", false, "", "80a"), TPrefsCheck::Passed},
        {"port before server", Input("taro", true, "", "80a"), TPrefsCheck::ProxyPort},
        {"empty port fails", Input("taro", true, "proxy", ""), TPrefsCheck::ProxyPort},
        {"trailing blank fails", Input("taro", true, "proxy", "8080 "), TPrefsCheck::ProxyPort},
        {"hex port passes", Input("taro", true, "proxy", "$1F90"), TPrefsCheck::Passed},
        {"server after a good port", Input("taro", true, "", " 8080"), TPrefsCheck::ProxyServer},
        {"proxy before user name", Input("a@b", true, "", "x"), TPrefsCheck::ProxyPort},
        {"mail address, proxy off", Input("taro@example.jp", false, "", ""), TPrefsCheck::Username},
        {"mail address, proxy fine", Input("taro@example.jp", true, "proxy", "8080"),
         TPrefsCheck::Username},
        {"hidden proxy page is not examined", Input("taro", true, "", "", false),
         TPrefsCheck::Passed},
        {"hidden proxy page, mail address", Input("@", true, "", "", false), TPrefsCheck::Username},
        {"empty account passes", Input("", false, "", ""), TPrefsCheck::Passed},
    };
    for (const CheckCase& c : cases)
        EXPECT_EQ(CheckPrefsInput(c.Input), c.Expected) << c.Name;
}

TEST(PrefsChecksTest, BoxTexts) {
    EXPECT_EQ(PrefsCheckMessage(TPrefsCheck::ProxyPort).Title,
              QStringLiteral("入力した値が正しくありません"));
    EXPECT_EQ(
        PrefsCheckMessage(TPrefsCheck::ProxyPort).Text,
        QStringLiteral("ポート番号の入力が正しくありません。\nもう一度入力しなおしてください。"));
    EXPECT_EQ(PrefsCheckMessage(TPrefsCheck::ProxyServer).Title,
              QStringLiteral("入力してください"));
    EXPECT_EQ(PrefsCheckMessage(TPrefsCheck::ProxyServer).Text,
              QStringLiteral("PROXYサーバ名を入力してください。"));
    EXPECT_EQ(PrefsCheckMessage(TPrefsCheck::Username).Title,
              QStringLiteral("ユーザ名が正しくありません"));
    EXPECT_EQ(PrefsCheckMessage(TPrefsCheck::Username).Text,
              QStringLiteral("ユーザ名にメールアドレスは指定できません。"));
    EXPECT_TRUE(PrefsCheckMessage(TPrefsCheck::Passed).Title.isEmpty());
}

} // namespace
