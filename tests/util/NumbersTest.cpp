#include "Numbers.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    std::optional<qint32> expected;
};

class ParseIntegerTest : public testing::TestWithParam<IntCase> {};

// Settings files and typed fields read these alike.
TEST_P(ParseIntegerTest, ReadsWholeNumbers) {
    const IntCase& c = GetParam();
    EXPECT_EQ(ParseInteger(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(ParseTypedInteger(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(IsInteger(QString::fromUtf8(c.text)), c.expected.has_value()) << c.text;
}

// A bare "x" before hexadecimal digits is typed input only: in a settings
// file "x1E" is no number and the key keeps its default.
TEST(ParseInteger, ABareXIsHexadecimalInTypedInputOnly) {
    for (const char* text : {"x1F90", "X1F90", "-x1F90"}) {
        EXPECT_EQ(ParseInteger(QString::fromUtf8(text)), std::nullopt) << text;
        EXPECT_TRUE(IsInteger(QString::fromUtf8(text))) << text;
    }
    EXPECT_EQ(ParseTypedInteger(QStringLiteral("x1E")), 30);
    EXPECT_EQ(ParseTypedInteger(QStringLiteral("-X1E")), -30);
    EXPECT_EQ(ParseTypedInteger(QStringLiteral("x")), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntegerTest,
    testing::Values(IntCase{"8080", 8080}, IntCase{"  8080", 8080}, IntCase{"$1F90", 8080},
                    IntCase{"0x1F90", 8080}, IntCase{"0X1f90", 8080}, IntCase{"-12", -12},
                    IntCase{"+12", 12}, IntCase{"2147483647", 2147483647},
                    IntCase{"-2147483648", INT32_MIN}, IntCase{"$FFFFFFFF", -1},
                    IntCase{"0x1E", 30}, IntCase{"$1E", 30}, IntCase{"8080 ", std::nullopt},
                    IntCase{"80a", std::nullopt}, IntCase{"", std::nullopt},
                    IntCase{"-", std::nullopt}, IntCase{"$", std::nullopt},
                    IntCase{"0x", std::nullopt}, IntCase{"2147483648", std::nullopt},
                    IntCase{"$100000000", std::nullopt}, IntCase{"abc", std::nullopt},
                    IntCase{"１２", std::nullopt},
                    IntCase{"99999999999999999999999", std::nullopt}));

} // namespace
