#include "moonleaf/lunar/almanac_names.h"

#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {

const std::array<std::string_view, 10> HeavenlyStems = {"甲", "乙", "丙", "丁", "戊",
                                                        "己", "庚", "辛", "壬", "癸"};
const std::array<std::string_view, 12> EarthlyBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                          "午", "未", "申", "酉", "戌", "亥"};
const std::array<std::string_view, 12> ZodiacAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                        "马", "羊", "猴", "鸡", "狗", "猪"};
const std::array<std::string_view, 10> ChineseNumerals = {"一", "二", "三", "四", "五",
                                                          "六", "七", "八", "九", "十"};

namespace {

int positive_mod(int value, int divisor) {
    return ((value % divisor) + divisor) % divisor;
}

std::string numeral(int value) {
    return std::string(ChineseNumerals[static_cast<std::size_t>(value - 1)]);
}

}  // namespace

std::string CyclicalYearName(int lunar_year) {
    return std::string(
               HeavenlyStems[static_cast<std::size_t>(positive_mod(lunar_year - 1894, 10))]) +
           std::string(
               EarthlyBranches[static_cast<std::size_t>(positive_mod(lunar_year - 1888, 12))]) +
           "年";
}

std::string ZodiacAnimal(int lunar_year) {
    return std::string(
        ZodiacAnimals[static_cast<std::size_t>(positive_mod(lunar_year - 1900, 12))]);
}

std::string LunarMonthName(int month) {
    if (month < 1 || month > 12) return {};
    if (month <= 10) return numeral(month) + "月";
    return "十" + numeral(month % 10) + "月";
}

std::string LunarDayName(int day) {
    if (day < 1) return {};
    if (day <= 10) return "初" + numeral(day);
    if (day < 20) return "十" + numeral(day % 10);
    if (day == 20) return "二十";
    if (day < 30) return "廿" + numeral(day % 10);
    return "三十";
}

std::string LunarYearText(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    return CyclicalYearName(lunar.year) + (lunar.isLeapMonth ? "(闰)" : "");
}

std::string LunarDateText(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    return "农历" + CyclicalYearName(lunar.year) + (lunar.isLeapMonth ? "(闰)" : "") +
           LunarMonthName(lunar.month) + LunarDayName(lunar.day);
}

}  // namespace moonleaf
