#include "moonleaf/lunar/solar_to_lunar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace moonleaf {
namespace {

using common::OleDate;

std::string code_of(int y, int m, int d) {
    return SolarToLunar(OleDate::from_ymd(y, m, d));
}

TEST(SolarToLunar, AnchorsAndTheirNeighbours) {
    EXPECT_EQ(code_of(1900, 1, 31), "019000101");
    EXPECT_EQ(code_of(1900, 2, 1), "019000102");
    EXPECT_EQ(code_of(2000, 2, 4), "019991229");
    EXPECT_EQ(code_of(2000, 2, 5), "020000101");
}

TEST(SolarToLunar, YearEnds) {
    EXPECT_EQ(code_of(1901, 1, 1), "019001111");
    EXPECT_EQ(code_of(2004, 1, 21), "020031230");
    EXPECT_EQ(code_of(2004, 1, 22), "020040101");
    EXPECT_EQ(code_of(2090, 12, 31), "020901111");
}

TEST(SolarToLunar, LeapMonthsOf29And30Days) {
    EXPECT_EQ(code_of(2020, 5, 22), "020200430");
    EXPECT_EQ(code_of(2020, 5, 23), "120200401");
    EXPECT_EQ(code_of(2020, 6, 20), "120200429");  // a 29-day leap month
    EXPECT_EQ(code_of(2020, 6, 21), "020200501");
    EXPECT_EQ(code_of(2023, 3, 22), "120230201");
    EXPECT_EQ(code_of(2017, 7, 23), "120170601");
    EXPECT_EQ(code_of(2017, 8, 21), "120170630");  // a 30-day leap month
    EXPECT_EQ(code_of(2017, 8, 22), "020170701");
}

TEST(SolarToLunar, CorrectedYearsConvertAstronomically) {
    EXPECT_EQ(code_of(1933, 7, 22), "119330530");   // leap 5th month has 30 days
    EXPECT_EQ(code_of(2033, 12, 22), "120331101");  // 2033's leap month follows month 11
    EXPECT_EQ(code_of(2033, 8, 25), "020330801");
}

TEST(SolarToLunar, LastSupportedDayAndBeyond) {
    EXPECT_EQ(code_of(2091, 2, 17), "020901229");
    EXPECT_THROW(code_of(2091, 2, 18), LunarRangeError);
    EXPECT_THROW(code_of(1900, 1, 30), LunarRangeError);
    EXPECT_THROW(SolarToLunar(OleDate(std::numeric_limits<double>::quiet_NaN())), LunarRangeError);
    EXPECT_THROW(SolarToLunar(OleDate(std::numeric_limits<double>::infinity())), LunarRangeError);
    EXPECT_THROW(SolarToLunar(OleDate(1e300)), LunarRangeError);
}

TEST(SolarToLunar, TimeAfterNoonCountsAsTheNextDay) {
    const double d = OleDate::from_ymd(2004, 1, 21).serial();
    EXPECT_EQ(SolarToLunar(OleDate(d + 0.25)), "020031230");
    EXPECT_EQ(SolarToLunar(OleDate(d + 0.51)), "020040101");
    // 2091-02-17 after noon is already the first unsupported day.
    EXPECT_THROW(SolarToLunar(OleDate(OleDate::from_ymd(2091, 2, 17).serial() + 0.75)),
                 LunarRangeError);
}

TEST(SolarToLunar, NoonTiesGoToTheEvenDayCountFromTheAnchor) {
    // The 1900 anchor is an even serial, the 2000 anchor an odd one: the same noon tie goes
    // to different sides depending on which anchor counts.
    const double eve_1900 = OleDate::from_ymd(1900, 2, 1).serial();  // 1 day after the anchor
    EXPECT_EQ(SolarToLunar(OleDate(eve_1900 + 0.5)), "019000103");   // 1.5 -> 2
    EXPECT_EQ(SolarToLunar(OleDate(eve_1900 - 0.5)), "019000101");   // 0.5 -> 0
    const double d2000 = OleDate::from_ymd(2000, 2, 6).serial();     // 1 day after the anchor
    EXPECT_EQ(SolarToLunar(OleDate(d2000 + 0.5)), "020000103");      // 1.5 -> 2
    EXPECT_EQ(SolarToLunar(OleDate(d2000 - 0.5)), "020000101");      // 0.5 -> 0
}

TEST(LunarDateCode, PadsEveryField) {
    EXPECT_EQ(LunarDateCode({true, 2020, 4, 1}), "120200401");
    EXPECT_EQ(LunarDateCode({false, 1999, 12, 29}), "019991229");
}

TEST(IsLastDayOfLunarYear, TwelfthMonthOf29Or30Days) {
    EXPECT_TRUE(IsLastDayOfLunarYear(ToLunarDate(OleDate::from_ymd(2020, 1, 24))));   // 12-30
    EXPECT_TRUE(IsLastDayOfLunarYear(ToLunarDate(OleDate::from_ymd(2022, 1, 31))));   // 12-29
    EXPECT_FALSE(IsLastDayOfLunarYear(ToLunarDate(OleDate::from_ymd(2022, 1, 30))));  // 12-28
    EXPECT_FALSE(IsLastDayOfLunarYear(ToLunarDate(OleDate::from_ymd(2020, 1, 25))));
    EXPECT_TRUE(IsLastDayOfLunarYear(ToLunarDate(OleDate::from_ymd(2091, 2, 17))));
}

// A plain transcription of the year and month scans the conversion was defined by; the fast
// path must agree with it on every supported day.
std::string scanned_code(OleDate date) {
    const double anchor1900 = OleDate::from_ymd(1900, 1, 31).serial();
    const double anchor2000 = OleDate::from_ymd(2000, 2, 5).serial();
    long offset;
    int y, stop;
    if (date.serial() <= anchor2000) {
        offset = static_cast<long>(std::nearbyint(date.serial() - anchor1900));
        y = 1900;
        stop = 2001;
    } else {
        offset = static_cast<long>(std::nearbyint(date.serial() - anchor2000));
        y = 2000;
        stop = 2091;
    }
    int len = 0;
    while (y < stop && offset >= 0) {
        len = LunarYearLength(y);
        offset -= len;
        ++y;
    }
    if (offset < 0) {
        offset += len;
        --y;
    }
    const int leap = LeapMonthOf(y);
    bool in_leap = false;
    int m = 1;
    while (m < 13 && offset > 0) {
        if (leap > 0 && m == leap + 1 && !in_leap) {
            --m;
            in_leap = true;
            len = LeapMonthLength(y);
        } else {
            len = LunarMonthLength(y, m);
        }
        if (in_leap && m == leap + 1) in_leap = false;
        offset -= len;
        ++m;
    }
    if (m == leap + 1 && offset == 0 && leap > 0) {
        if (in_leap) {
            in_leap = false;
        } else {
            in_leap = true;
            --m;
        }
    }
    if (offset < 0) {
        offset += len;
        --m;
    }
    return LunarDateCode({in_leap, static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                          static_cast<std::int16_t>(offset + 1)});
}

TEST(SolarToLunar, FastPathEqualsTheYearScanOnEverySupportedDay) {
    const long first = OleDate::from_ymd(1900, 1, 31).day();
    const long last = OleDate::from_ymd(2091, 2, 17).day();
    for (long day = first; day <= last; ++day) {
        for (double time : {0.0, 0.5, 0.5 + 1.0 / 1440}) {
            const OleDate date(double(day) + time);
            if (day == last && time > 0.0) continue;  // may round to the first unsupported day
            ASSERT_EQ(SolarToLunar(date), scanned_code(date)) << date.iso() << " + " << time;
        }
    }
}

}  // namespace
}  // namespace moonleaf
