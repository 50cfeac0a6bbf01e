#include "moonleaf/cli/month_sheet.h"

#include <gtest/gtest.h>

namespace moonleaf::cli {
namespace {

using common::OleDate;

TEST(MonthSheet, TitleTermsAndDays) {
    const std::string sheet = month_sheet(2020, 1, OleDate::from_ymd(2020, 1, 1));
    EXPECT_EQ(sheet.rfind("农历己亥年十二月初七  猪\n", 0), 0u) << sheet;
    EXPECT_NE(sheet.find("2020年1月"), std::string::npos);
    EXPECT_NE(sheet.find("小寒：6日  大寒：20日\n"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("除夕"), std::string::npos);
    EXPECT_NE(sheet.find("春节"), std::string::npos);
}

TEST(MonthSheet, OffDaysAndMakeupWorkdaysAreMarked) {
    const std::string sheet = month_sheet(2026, 10, OleDate::from_ymd(2026, 10, 1));
    EXPECT_NE(sheet.find("\n  4休     5休     6休     7休      8       9      10班\n"),
              std::string::npos)
        << sheet;
}

TEST(MonthSheet, FirstWeekStartsOnSunday) {
    // 2020-03-01 was a Sunday: the first number row starts at the first column.
    const std::string sheet = month_sheet(2020, 3, OleDate::from_ymd(2020, 3, 1));
    EXPECT_NE(sheet.find("\n   1       2       3"), std::string::npos) << sheet;
}

TEST(MonthSheet, MonthsWithAnyConvertibleDayShowOnlyThoseDaysCaptions) {
    EXPECT_FALSE(month_is_drawable(1899, 12));
    EXPECT_TRUE(month_is_drawable(1900, 1));
    EXPECT_TRUE(month_is_drawable(2091, 2));
    EXPECT_FALSE(month_is_drawable(2091, 3));
    EXPECT_FALSE(month_is_drawable(2020, 13));
    // Lunar 1900 begins on January 31st: the days before it have no caption line under them.
    const std::string sheet = month_sheet(1900, 1, first_convertible_day(1900, 1));
    EXPECT_EQ(sheet.rfind("农历庚子年一月初一  鼠\n", 0), 0u) << sheet;
    EXPECT_NE(sheet.find("\n   7       8       9       10      11      12      13\n\n"),
              std::string::npos)
        << sheet;
    EXPECT_NE(sheet.find("   28      29      30      31\n                          春节\n"),
              std::string::npos)
        << sheet;
}

TEST(YearSheet, TwelveMonthsThreeAcrossEachRowEndingWithItsTerms) {
    const std::string sheet = year_sheet(2021);
    EXPECT_EQ(sheet.rfind(std::string(83, ' ') + "2021年\n", 0), 0u) << sheet;
    std::size_t row_starts = 0;
    for (const char* months : {"1月", "4月", "7月", "10月"}) {
        const std::size_t at = sheet.find(std::string(" ") + months + " ", row_starts);
        ASSERT_NE(at, std::string::npos) << months;
        row_starts = at;
    }
    // January has six weeks, February four: the terms of both still share one line.
    EXPECT_NE(
        sheet.find("\n小寒：5日  大寒：20日" + std::string(37, ' ') + "立春：3日  雨水：18日"),
        std::string::npos)
        << sheet;
    EXPECT_NE(sheet.find("冬至：21日\n\n"), std::string::npos);
}

}  // namespace
}  // namespace moonleaf::cli
