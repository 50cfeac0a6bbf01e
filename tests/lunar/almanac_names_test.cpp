#include "moonleaf/lunar/almanac_names.h"

#include <gtest/gtest.h>

#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {
namespace {

using common::OleDate;

TEST(CyclicalYearName, StemsAndBranchesCycleEverySixtyYears) {
    EXPECT_EQ(CyclicalYearName(1900), "庚子年");
    EXPECT_EQ(CyclicalYearName(1984), "甲子年");
    EXPECT_EQ(CyclicalYearName(2019), "己亥年");
    EXPECT_EQ(CyclicalYearName(2020), "庚子年");
    EXPECT_EQ(CyclicalYearName(2043), "癸亥年");
    EXPECT_EQ(CyclicalYearName(1984 + 60), CyclicalYearName(1984));
}

TEST(ZodiacAnimal, FollowsTheLunarYearNotJanuaryFirst) {
    EXPECT_EQ(ZodiacAnimal(1900), "鼠");
    EXPECT_EQ(ZodiacAnimal(2020), "鼠");
    EXPECT_EQ(ZodiacAnimal(2021), "牛");
    EXPECT_EQ(ZodiacAnimal(2031), "猪");
    EXPECT_EQ(ZodiacAnimal(ToLunarDate(OleDate::from_ymd(2021, 2, 11)).year), "鼠");
    EXPECT_EQ(ZodiacAnimal(ToLunarDate(OleDate::from_ymd(2021, 2, 12)).year), "牛");
}

TEST(LunarMonthName, PlainNumeralsForEveryMonth) {
    const char* expected[] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                              "七月", "八月", "九月", "十月", "十一月", "十二月"};
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(LunarMonthName(m), expected[m - 1]) << m;
}

TEST(LunarDayName, TwentyAndThirtyAreWrittenOutTheOthersAbbreviated) {
    const char* expected[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                              "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                              "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                              "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int d = 1; d <= 30; ++d) EXPECT_EQ(LunarDayName(d), expected[d - 1]) << d;
}

TEST(LunarDateText, MarksLeapMonthsInTheYearText) {
    EXPECT_EQ(LunarYearText(OleDate::from_ymd(2020, 5, 23)), "庚子年(闰)");
    EXPECT_EQ(LunarDateText(OleDate::from_ymd(2020, 5, 23)), "农历庚子年(闰)四月初一");
    EXPECT_EQ(LunarYearText(OleDate::from_ymd(2020, 6, 21)), "庚子年");
    EXPECT_EQ(LunarDateText(OleDate::from_ymd(2020, 6, 21)), "农历庚子年五月初一");
    EXPECT_EQ(LunarDateText(OleDate::from_ymd(2020, 1, 1)), "农历己亥年十二月初七");
    EXPECT_THROW(LunarDateText(OleDate::from_ymd(2091, 2, 18)), LunarRangeError);
}

}  // namespace
}  // namespace moonleaf
