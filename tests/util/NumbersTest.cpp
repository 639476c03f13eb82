#include "Numbers.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    std::optional<qint32> expected;
};

class ParseIntegerTest : public testing::TestWithParam<IntCase> {};

TEST_P(ParseIntegerTest, ReadsWholeNumbers) {
    const IntCase& c = GetParam();
    EXPECT_EQ(ParseInteger(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(IsInteger(QString::fromUtf8(c.text)), c.expected.has_value()) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntegerTest,
    testing::Values(IntCase{"8080", 8080}, IntCase{"  8080", 8080}, IntCase{"$1F90", 8080},
                    IntCase{"0x1F90", 8080}, IntCase{"0X1f90", 8080}, IntCase{"x1F90", 8080},
                    IntCase{"X1F90", 8080}, IntCase{"-12", -12}, IntCase{"+12", 12},
                    IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", INT32_MIN},
                    IntCase{"$FFFFFFFF", -1}, IntCase{"0x1E", 30}, IntCase{"$1E", 30},
                    IntCase{"8080 ", std::nullopt}, IntCase{"80a", std::nullopt},
                    IntCase{"", std::nullopt}, IntCase{"-", std::nullopt},
                    IntCase{"$", std::nullopt}, IntCase{"0x", std::nullopt},
                    IntCase{"2147483648", std::nullopt}, IntCase{"$100000000", std::nullopt},
                    IntCase{"abc", std::nullopt}, IntCase{"１２", std::nullopt},
                    IntCase{"99999999999999999999999", std::nullopt}));

} // namespace
