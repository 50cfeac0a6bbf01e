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

TEST(LunarDayName, KeepsTheCalendarsOwnSpellingOfTwentyAndThirty) {
    EXPECT_EQ(LunarDayName(1), "初一");
    EXPECT_EQ(LunarDayName(10), "初十");
    EXPECT_EQ(LunarDayName(11), "十一");
    EXPECT_EQ(LunarDayName(19), "十九");
    EXPECT_EQ(LunarDayName(20), "廿十");
    EXPECT_EQ(LunarDayName(21), "廿一");
    EXPECT_EQ(LunarDayName(29), "廿九");
    EXPECT_EQ(LunarDayName(30), "卅十");
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
