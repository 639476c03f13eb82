#include "Password.h"

#include <gtest/gtest.h>

namespace {

TEST(PasswordTest, ScrambleRoundTrips) {
    for (const QString& text :
         {QStringLiteral("secret"), QStringLiteral("パスワード😀"), QStringLiteral("a"),
          QStringLiteral(" spaces "), QStringLiteral("\uFEFFmarked"),
          // "Z" is the byte that masks to zero.
          QStringLiteral("Zebra"), QStringLiteral("aZZ")}) {
        const QString scrambled = ScramblePassword(text);
        EXPECT_NE(scrambled, text);
        EXPECT_FALSE(scrambled.contains(text));
        EXPECT_EQ(UnscramblePassword(scrambled), text);
    }
}

TEST(PasswordTest, EmptyAndInvalidTexts) {
    EXPECT_EQ(ScramblePassword(QString()), QString());
    EXPECT_EQ(UnscramblePassword(QString()), QString());
    EXPECT_EQ(UnscramblePassword(QStringLiteral("not base64!")), QString());
    EXPECT_EQ(UnscramblePassword(QStringLiteral("パス")), QString());
    // Text after a zero byte is not part of the password.
    EXPECT_EQ(UnscramblePassword(ScramblePassword(QStringLiteral("ab") + QChar(0) + "cd")),
              QStringLiteral("ab"));
}

TEST(PasswordTest, Base64IsStandard) {
    EXPECT_EQ(Base64Encode("any carnal pleas"), "YW55IGNhcm5hbCBwbGVhcw==");
    EXPECT_EQ(Base64Decode("YW55IGNhcm5hbCBwbGVhcw=="), "any carnal pleas");
    EXPECT_EQ(Base64Decode("@@@"), QByteArray());
}

} // namespace
