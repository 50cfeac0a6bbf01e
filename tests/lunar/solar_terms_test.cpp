#include "moonleaf/lunar/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "moonleaf/lunar/lunar_year_table.h"

namespace moonleaf {
namespace {

using common::OleDate;

TEST(SolarTermOf, NamesTheTermDays) {
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 1, 6)), "小寒");
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 1, 20)), "大寒");
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 2, 4)), "立春");
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 12, 21)), "冬至");
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 1, 7)), " ");
}

TEST(SolarTermOf, ADateWithATimeOfDayNeverMatches) {
    EXPECT_EQ(SolarTermOf(OleDate(OleDate::from_ymd(2020, 1, 6).serial() + 0.25)), " ");
}

TEST(SolarTermDate, FirstAndLastTabulatedYears) {
    EXPECT_EQ(SolarTermDate(1901, 1), OleDate::from_ymd(1901, 1, 6));
    EXPECT_EQ(SolarTermDate(2090, 1), OleDate::from_ymd(2090, 1, 5));
}

// The mean formula put these a day off in China; they are the days the terms really fall on.
TEST(SolarTermDate, GivesTheDayInBeijingTime) {
    EXPECT_EQ(SolarTermDate(2020, 23), OleDate::from_ymd(2020, 12, 7));  // 大雪
    EXPECT_EQ(SolarTermDate(2026, 11), OleDate::from_ymd(2026, 6, 5));   // 芒种
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 12, 7)), "大雪");
    EXPECT_EQ(SolarTermOf(OleDate::from_ymd(2020, 12, 6)), " ");
}

// The tabulated days stay within a day of the mean formula they replace, and differ from it
// exactly where the formula misses China's calendar day (181 of 4,560 terms).
TEST(SolarTermDate, TableDiffersFromTheMeanFormulaByAtMostOneDay) {
    int differing = 0;
    for (int y = 1901; y <= 2090; ++y)
        for (int n = 1; n <= 24; ++n) {
            const double base = OleDate::from_ymd(1900, 1, 6).serial() + (2 * 60 + 5) / 1440.0;
            const double mean = std::floor(
                base + ((y - 1900) * 31556925.9747 + SolarTermMinutes[n - 1] * 60.0) / 86400.0);
            const double delta = SolarTermDate(y, n).serial() - mean;
            EXPECT_LE(std::fabs(delta), 1.0) << y << " term " << n;
            if (delta != 0) ++differing;
        }
    EXPECT_EQ(differing, 181);
}

TEST(SolarTermDate, EveryTermLiesInItsOwnMonthInOrder) {
    for (int y = 1895; y <= 2095; ++y) {
        OleDate previous;
        for (int n = 1; n <= 24; ++n) {
            const OleDate date = SolarTermDate(y, n);
            EXPECT_EQ(date.year(), y) << y << " term " << n;
            EXPECT_EQ(date.month(), (n + 1) / 2) << y << " term " << n;
            EXPECT_FALSE(date.has_time_of_day());
            if (n > 1) {
                EXPECT_GE(date.serial() - previous.serial(), 13) << y << " term " << n;
            }
            previous = date;
        }
    }
}

TEST(SolarTermDate, OutsideTheTableTheMeanFormulaHolds) {
    // 1900: base moment 1900-01-06 02:05 plus the term's mean minutes.
    EXPECT_EQ(SolarTermDate(1900, 1), OleDate::from_ymd(1900, 1, 6));
    EXPECT_EQ(SolarTermDate(1900, 2), OleDate::from_ymd(1900, 1, 20));  // +21208 min = 14.7 days
    EXPECT_EQ(SolarTermDate(2091, 1), OleDate::from_ymd(2091, 1, 5));
}

TEST(SolarTermDate, RejectsTermNumbersOutsideOneToTwentyFour) {
    EXPECT_THROW(SolarTermDate(2020, 0), LunarRangeError);
    EXPECT_THROW(SolarTermDate(2020, 25), LunarRangeError);
}

}  // namespace
}  // namespace moonleaf
