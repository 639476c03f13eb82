#include "TimeUtil.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

TEST(TimeZoneOffsetTest, TurnsBiasIntoSignedOffset) {
    struct Case {
        int bias;
        int hours;
        int minutes;
    };
    for (const Case& c : {Case{-540, 9, 0}, Case{300, -5, 0}, Case{-330, 5, 30}, Case{0, 0, 0},
                          Case{210, -3, -30}}) {
        const TTimeZoneOffset offset = TimeZoneOffsetFromBias(c.bias);
        EXPECT_EQ(offset.Hours, c.hours) << c.bias;
        EXPECT_EQ(offset.Minutes, c.minutes) << c.bias;
    }
}

TEST(TimeUtilTest, EpochBecomesLocalDateTime) {
    const QDateTime at = DateTimeToQDateTime(EpochToDateTime(0, 9));
    EXPECT_EQ(at.date(), QDate(1970, 1, 1));
    EXPECT_EQ(at.time(), QTime(9, 0));
    const QDateTime later = DateTimeToQDateTime(EpochToDateTime(1246432820, 0));
    EXPECT_EQ(later, QDateTime(QDate(2009, 7, 1), QTime(7, 20, 20)));
    EXPECT_DOUBLE_EQ(QDateTimeToDateTime(later), EpochToDateTime(1246432820, 0));
}

TEST(TimeUtilTest, TimeStampHasSeventeenDigits) {
    EXPECT_EQ(TimeStampText(QDateTime(QDate(2009, 7, 1), QTime(7, 5, 3, 42))),
              QStringLiteral("20090701070503042"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{17}$")).match(TimeStampText()).hasMatch());
}

} // namespace
