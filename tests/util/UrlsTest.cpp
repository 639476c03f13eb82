#include "Urls.h"

#include <gtest/gtest.h>

namespace {

using Urls = QList<QByteArray>;

struct ExtractCase {
    const char* text;
    Urls expected;
};

class ExtractURLsTest : public testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractURLsTest, FindsAddressesInOrder) {
    EXPECT_EQ(ExtractURLs(QByteArray(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractURLsTest,
    testing::Values(ExtractCase{"これ見て http://example.com/a?b=1&c=2 すごい",
                                {"http://example.com/a?b=1&c=2"}},
                    ExtractCase{"HTTP://example.com/", {}},
                    ExtractCase{"http://example.com/あ", {"http://example.com/"}},
                    ExtractCase{"\"http://example.com/\"", {"http://example.com/"}},
                    ExtractCase{"a https://x.jp/1 b http://y.jp/2",
                                {"https://x.jp/1", "http://y.jp/2"}},
                    ExtractCase{"http://a.jp/,http://b.jp/", {"http://a.jp/,http://b.jp/"}},
                    ExtractCase{"h", {}}, ExtractCase{"", {}}, ExtractCase{"ftp://x.jp/", {}}));

TEST(ExtractURLsTest, CutsAtOneKilobyte) {
    const QByteArray longUrl = "http://x.jp/" + QByteArray(2000, 'a');
    const Urls urls = ExtractURLs(longUrl);
    ASSERT_FALSE(urls.isEmpty());
    EXPECT_EQ(urls.first().size(), 1024);
}

TEST(URLEncodeTest, EncodesForAFormBody) {
    EXPECT_EQ(URLEncode("a b"), "a+b");
    EXPECT_EQ(URLEncode("~"), "%7E");
    EXPECT_EQ(URLEncode("あ"), "%E3%81%82");
    EXPECT_EQ(URLEncode("!$'()*-.@_azAZ09"), "!$'()*-.@_azAZ09");
    EXPECT_EQ(URLEncode("/:&=?#%+"), "%2F%3A%26%3D%3F%23%25%2B");
    EXPECT_EQ(URLEncode(QByteArray("ab\0cd", 5)), "ab");
}

TEST(UrlCharsTest, ClassifiesLinkCharacters) {
    for (char c : QByteArray("!#$%&()*+,-./:;=?@_~09AZaz"))
        EXPECT_TRUE(IsUrlChar(c)) << c;
    for (char c : QByteArray(" \"'<>[\\]^`{|}\x7f\x80"))
        EXPECT_FALSE(IsUrlChar(c)) << int(c);
    for (char c : QByteArray("@_09AZaz"))
        EXPECT_TRUE(IsIdChar(c)) << c;
    for (char c : QByteArray(":.-/ "))
        EXPECT_FALSE(IsIdChar(c)) << c;
}

TEST(IsPlainRidTest, LettersDigitsHyphenAndUnderscoreOnly) {
    EXPECT_TRUE(IsPlainRid("Ab12-cd_34"));
    for (const QByteArray& rid :
         {QByteArray(), QByteArray("a/b"), QByteArray("a.b"), QByteArray("a%2F"),
          QByteArray("a\0b", 3), QByteArray("\xe3\x81\x82")})
        EXPECT_FALSE(IsPlainRid(rid)) << rid.toHex().constData();
}

TEST(IsWebAddressTest, OnlyHttpAndHttps) {
    EXPECT_TRUE(IsWebAddress(QStringLiteral("http://wassr.jp/user/taro")));
    EXPECT_TRUE(IsWebAddress(QStringLiteral("HTTPS://example.com/")));
    EXPECT_FALSE(IsWebAddress(QStringLiteral("file:///etc/passwd")));
    EXPECT_FALSE(IsWebAddress(QStringLiteral("javascript:alert(1)")));
    EXPECT_FALSE(IsWebAddress(QStringLiteral("http://")));
    EXPECT_FALSE(IsWebAddress(QString()));
}

} // namespace
