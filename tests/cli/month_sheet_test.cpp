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

TEST(MonthSheet, FirstWeekStartsOnSunday) {
    // 2020-03-01 was a Sunday: the first number row starts at the first column.
    const std::string sheet = month_sheet(2020, 3, OleDate::from_ymd(2020, 3, 1));
    EXPECT_NE(sheet.find("\n   1       2       3"), std::string::npos) << sheet;
}

TEST(MonthSheet, OnlyMonthsThatConvertEntirely) {
    EXPECT_FALSE(month_is_drawable(1900, 1));
    EXPECT_TRUE(month_is_drawable(1900, 2));
    EXPECT_TRUE(month_is_drawable(2091, 1));
    EXPECT_FALSE(month_is_drawable(2091, 2));
    EXPECT_FALSE(month_is_drawable(2020, 13));
}

}  // namespace
}  // namespace moonleaf::cli
