#include "common/ole_date.h"

#include <gtest/gtest.h>

#include <limits>

namespace common {
namespace {

TEST(OleDate, SerialsMatchTheOleEpoch) {
    EXPECT_EQ(OleDate::from_ymd(1899, 12, 30).serial(), 0.0);
    EXPECT_EQ(OleDate::from_ymd(1900, 1, 1).serial(), 2.0);
    EXPECT_EQ(OleDate::from_ymd(2000, 2, 5).serial(), 36561.0);
    EXPECT_EQ(OleDate::from_ymd(2020, 5, 23).serial(), 43974.0);
}

TEST(OleDate, EveryDayRoundTripsThroughYearMonthDay) {
    long expected = OleDate::from_ymd(1800, 1, 1).day();
    for (int y = 1800; y <= 2200; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= days_in_month(y, m); ++d) {
                const OleDate date = OleDate::from_ymd(y, m, d);
                ASSERT_EQ(date.day(), expected++) << y << "-" << m << "-" << d;
                ASSERT_EQ(date.ymd(), (YearMonthDay{y, m, d}));
            }
}

TEST(OleDate, TimeOfDayIsDroppedForTheCalendarDay) {
    const OleDate evening(43974.75);
    EXPECT_EQ(evening.ymd(), (YearMonthDay{2020, 5, 23}));
    EXPECT_DOUBLE_EQ(evening.time_of_day(), 0.75);
    EXPECT_TRUE(evening.has_time_of_day());
    EXPECT_EQ(evening.date_only(), OleDate::from_ymd(2020, 5, 23));
    // Before the epoch OLE keeps the day in the integral part and the time as a positive fraction.
    const OleDate before(-1.25);
    EXPECT_EQ(before.ymd(), (YearMonthDay{1899, 12, 29}));
    EXPECT_DOUBLE_EQ(before.time_of_day(), 0.25);
}

TEST(OleDate, ValuesOutsideOleRangeArePinnedToItsEnds) {
    EXPECT_EQ(OleDate(1e300).ymd(), (YearMonthDay{9999, 12, 31}));
    EXPECT_EQ(OleDate(-1e300).ymd(), (YearMonthDay{100, 1, 1}));
    EXPECT_EQ(OleDate(std::numeric_limits<double>::quiet_NaN()).ymd(), (YearMonthDay{100, 1, 1}));
    EXPECT_EQ(OleDate(std::numeric_limits<double>::infinity()).yyyymmdd(), "99991231");
    EXPECT_FALSE(OleDate(1e300).in_ole_range());
    EXPECT_TRUE(OleDate(2958465.5).in_ole_range());
}

TEST(OleDate, WeekdaysStartOnSunday) {
    EXPECT_EQ(OleDate::from_ymd(1899, 12, 30).weekday(), 6);
    EXPECT_EQ(OleDate::from_ymd(2020, 5, 23).weekday(), 6);
    EXPECT_EQ(OleDate::from_ymd(2026, 12, 6).weekday(), 0);
    EXPECT_EQ(OleDate::from_ymd(2026, 12, 7).weekday(), 1);
    EXPECT_EQ(OleDate::from_ymd(1899, 12, 24).weekday(), 0);
    EXPECT_EQ(OleDate(43974.9).weekday(), 6);
}

TEST(OleDate, MonthLengthsFollowGregorianLeapYears) {
    EXPECT_EQ(days_in_month(1900, 2), 28);
    EXPECT_EQ(days_in_month(2000, 2), 29);
    EXPECT_EQ(days_in_month(2020, 2), 29);
    EXPECT_EQ(days_in_month(2021, 2), 28);
    EXPECT_EQ(days_in_month(2021, 4), 30);
    EXPECT_EQ(days_in_month(2021, 12), 31);
}

TEST(OleDate, FormatsWithLeadingZeros) {
    const OleDate date = OleDate::from_ymd(2020, 5, 3);
    EXPECT_EQ(date.yyyymmdd(), "20200503");
    EXPECT_EQ(date.mmdd(), "0503");
    EXPECT_EQ(date.iso(), "2020-05-03");
}

TEST(OleDate, ParsesOnlyRealIsoDates) {
    EXPECT_EQ(parse_iso_date("2020-02-29"), (YearMonthDay{2020, 2, 29}));
    EXPECT_EQ(parse_iso_date("2021-02-29"), std::nullopt);
    EXPECT_EQ(parse_iso_date("2020-13-01"), std::nullopt);
    EXPECT_EQ(parse_iso_date("2020-00-10"), std::nullopt);
    EXPECT_EQ(parse_iso_date("2020-1-10"), std::nullopt);
    EXPECT_EQ(parse_iso_date("2020/01/10"), std::nullopt);
    EXPECT_EQ(parse_iso_date("20200110"), std::nullopt);
    EXPECT_EQ(parse_iso_date("2020-01-1x"), std::nullopt);
    EXPECT_EQ(parse_iso_date(""), std::nullopt);
    EXPECT_EQ(parse_iso_date("0000-01-01"), std::nullopt);
}

}  // namespace
}  // namespace common
