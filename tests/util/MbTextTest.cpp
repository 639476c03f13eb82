#include "MbText.h"

#include <gtest/gtest.h>

namespace {

QByteArray U8(const char* text) {
    return QByteArray(text);
}

struct PosCase {
    const char* pattern;
    const char* text;
    int expected;
};

class MbPosTest : public testing::TestWithParam<PosCase> {};

TEST_P(MbPosTest, FindsCharacterPosition) {
    const PosCase& c = GetParam();
    EXPECT_EQ(MbPos(U8(c.pattern), U8(c.text)), c.expected) << c.pattern << " in " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MbPosTest,
    testing::Values(PosCase{"abc", "xxabc", 3}, PosCase{"abc", "あabc", 2}, PosCase{"", "abc", 0},
                    PosCase{"abc", "", 0}, PosCase{"abc", "ABC", 0}, PosCase{"い", "あいう", 2},
                    PosCase{"う", "あいう", 3}, PosCase{"abcd", "abc", 0}, PosCase{"😀", "x😀", 2},
                    // The tail bytes of あ (E3 81 82) followed by い must not match
                    // a pattern that starts inside a character.
                    PosCase{"\x81\x82", "あ", 0}, PosCase{"\x82\xe3\x81\x84", "あい", 0},
                    // A candidate inside a character is skipped, a later one found.
                    PosCase{"\x82", "あ\x82", 2}, PosCase{"b", "aあb", 3}));

TEST(MbTextTest, LengthCountsCharacters) {
    EXPECT_EQ(MbLength(U8("あいう")), 3);
    EXPECT_EQ(MbLength(U8("ab")), 2);
    EXPECT_EQ(MbLength(QByteArray()), 0);
    EXPECT_EQ(MbLength(U8("a😀b")), 3);
    // A lone lead byte or a stray continuation byte counts as one character.
    EXPECT_EQ(MbLength(U8("\xe3"
                          "a")),
              2);
    EXPECT_EQ(MbLength(U8("\x81\x82")), 2);
    EXPECT_EQ(MbCount(QByteArray("ab\0cd", 5)), 2);
}

TEST(MbTextTest, CursorsStepOverWholeCharacters) {
    const QByteArray text = U8("aあ");
    qsizetype pos = 0;
    EXPECT_EQ(NextMbChar(text, pos), 1);
    EXPECT_TRUE(IsDbcsChar(text, pos));
    EXPECT_EQ(NextMbChar(text, pos), 3);
    EXPECT_EQ(NextMbChar(text, pos), 0);
    EXPECT_EQ(pos, text.size());

    const QByteArray other = U8("あい");
    qsizetype a = 0, b = 0;
    EXPECT_NE(CompareMbChar(text, a, other, b), 0);
    EXPECT_EQ(a, 0);
    a = 1;
    EXPECT_EQ(CompareMbChar(text, a, other, b), 0);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 3);

    EXPECT_TRUE(MbStartsWith(U8("あいう"), 3, U8("いう")));
    EXPECT_FALSE(MbStartsWith(U8("あい"), 3, U8("いう")));
}

TEST(MbTextTest, DecodingKeepsALeadingFeff) {
    EXPECT_EQ(Utf8ToString("\xEF\xBB\xBF"
                           "word"),
              QStringLiteral("\uFEFFword"));
    EXPECT_EQ(Utf8ToString(U8("あい")), QStringLiteral("あい"));
    EXPECT_EQ(Utf8ToString(QByteArrayView()), QString());
}

} // namespace
