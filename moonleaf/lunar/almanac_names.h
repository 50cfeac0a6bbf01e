#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/ole_date.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {

extern const std::array<std::string_view, 10> HeavenlyStems;    // 甲 … 癸
extern const std::array<std::string_view, 12> EarthlyBranches;  // 子 … 亥
extern const std::array<std::string_view, 12> ZodiacAnimals;    // 鼠 … 猪
extern const std::array<std::string_view, 10> ChineseNumerals;  // 一 … 十

// The names are views of tables that live as long as the program, so that the month view and
// the dump copy them without building a string per day.
std::string_view CyclicalYearName(int lunar_year);  // 1900 → 庚子年
std::string_view ZodiacAnimal(int lunar_year);      // 1900 → 鼠
std::string_view LunarMonthName(int month);         // 1 → 一月, 11 → 十一月
std::string_view LunarDayName(int day);             // 1 → 初一, 20 → 二十, 30 → 三十

// "农历" + year + "(闰)" in a leap month + month + day, appended to `out`.
void AppendLunarDateText(std::string& out, const LunarDate& lunar);

// These convert the date first and so throw LunarRangeError outside 1900-01-31…2091-02-17.
std::string LunarYearText(common::OleDate date);  // 2020-05-23 → 庚子年(闰)
std::string LunarDateText(common::OleDate date);  // 2020-05-23 → 农历庚子年(闰)四月初一

}  // namespace moonleaf
