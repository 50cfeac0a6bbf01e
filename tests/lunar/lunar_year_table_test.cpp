#include "moonleaf/lunar/lunar_year_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/ole_date.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {
namespace {

TEST(LunarYearTable, YearLengthsMatchTheAnchors) {
    EXPECT_EQ(LunarYearLength(1900), 384);
    EXPECT_EQ(LeapMonthOf(1900), 8);
    EXPECT_EQ(LeapMonthLength(1900), 29);
    EXPECT_EQ(LunarYearLength(1901), 354);
    EXPECT_EQ(LeapMonthOf(1901), 0);
    EXPECT_EQ(LeapMonthLength(1901), 0);
    int days = 0;
    for (int y = 1900; y <= 1999; ++y) days += LunarYearLength(y);
    EXPECT_EQ(days, 36529);  // 1900-01-31 to 2000-02-05
}

TEST(LunarYearTable, EveryYearHasAPlausibleShape) {
    for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
        const int length = LunarYearLength(y);
        if (LeapMonthOf(y) == 0)
            EXPECT_TRUE(length >= 353 && length <= 355) << y;
        else
            EXPECT_TRUE(length >= 383 && length <= 385) << y;
        EXPECT_LE(LeapMonthOf(y), 12) << y;
        EXPECT_EQ(LunarYearTable[static_cast<std::size_t>(y - kFirstLunarYear)] >> 17, 0u) << y;
    }
}

TEST(LunarYearTable, MonthBitsRunFromBit15ForMonthOne) {
    // 2017 is 15176: leap 6th month of 30 days; month 1 (bit 15) is 29 days, month 2 is 30,
    // month 12 (bit 4) is 30.
    EXPECT_EQ(LeapMonthOf(2017), 6);
    EXPECT_EQ(LeapMonthLength(2017), 30);
    EXPECT_EQ(LunarMonthLength(2017, 1), 29);
    EXPECT_EQ(LunarMonthLength(2017, 2), 30);
    EXPECT_EQ(LunarMonthLength(2017, 12), 30);
}

TEST(LunarYearTable, YearsBelowTheTableReadAsItsFirstYear) {
    EXPECT_EQ(LunarMonthLength(1899, 2), LunarMonthLength(1900, 2));
    EXPECT_EQ(LeapMonthOf(1899), 0);
    EXPECT_EQ(LeapMonthLength(1850), 0);
}

TEST(LunarYearTable, YearsAndMonthsBeyondTheTableAreRangeErrors) {
    EXPECT_THROW(LunarMonthLength(2091, 1), LunarRangeError);
    EXPECT_THROW(LeapMonthOf(2091), LunarRangeError);
    EXPECT_THROW(LunarYearLength(2091), LunarRangeError);
    EXPECT_THROW(LunarMonthLength(2020, 0), LunarRangeError);
    EXPECT_THROW(LunarMonthLength(2020, 13), LunarRangeError);
}

struct ReferenceYear {
    int year;
    const char* first_day;
    int leap_month;
    const char* month_lengths;
};

const ReferenceYear kReference[] = {
#include "tests/lunar/lunar_years_reference.inc"
};

std::vector<int> lengths_of(const char* text) {
    std::vector<int> lengths;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, ',');) lengths.push_back(std::stoi(field));
    return lengths;
}

// The corrected table must agree with astronomical new moons in China's time zone for every
// year: leap month, every month length in order, and the day each year begins.
TEST(LunarYearTable, AgreesWithTheAstronomicalReference) {
    ASSERT_EQ(std::size(kReference), 191u);
    for (const ReferenceYear& ref : kReference) {
        const int y = ref.year;
        EXPECT_EQ(LeapMonthOf(y), ref.leap_month) << y;
        std::vector<int> ours;
        for (int m = 1; m <= 12; ++m) {
            ours.push_back(LunarMonthLength(y, m));
            if (m == LeapMonthOf(y)) ours.push_back(LeapMonthLength(y));
        }
        EXPECT_EQ(ours, lengths_of(ref.month_lengths)) << y;
        const auto first = common::parse_iso_date(ref.first_day);
        ASSERT_TRUE(first) << y;
        EXPECT_EQ(SolarToLunar(common::OleDate::from_ymd(*first)), "0" + std::to_string(y) + "0101")
            << y;
    }
}

}  // namespace
}  // namespace moonleaf
