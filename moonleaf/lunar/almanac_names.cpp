#include "moonleaf/lunar/almanac_names.h"

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

// Every name spelled once, from the numerals and the rules of the calendar.
struct NameTables {
    std::array<std::string, 60> years;  // by (lunar year − 1900) mod 60
    std::array<std::string, 13> months;
    std::array<std::string, 31> days;

    NameTables() {
        for (int i = 0; i < 60; ++i)
            years[static_cast<std::size_t>(i)] =
                std::string(HeavenlyStems[static_cast<std::size_t>((i + 6) % 10)]) +
                std::string(EarthlyBranches[static_cast<std::size_t>(i % 12)]) + "年";
        for (int m = 1; m <= 12; ++m)
            months[static_cast<std::size_t>(m)] =
                (m <= 10 ? numeral(m) : "十" + numeral(m % 10)) + "月";
        for (int d = 1; d <= 30; ++d) {
            std::string& name = days[static_cast<std::size_t>(d)];
            if (d <= 10)
                name = "初" + numeral(d);
            else if (d < 20)
                name = "十" + numeral(d % 10);
            else if (d == 20)
                name = "二十";  // 廿 alone already means twenty
            else if (d < 30)
                name = "廿" + numeral(d % 10);
            else
                name = "三十";
        }
    }
};

const NameTables& names() {
    static const NameTables tables;
    return tables;
}

}  // namespace

std::string_view CyclicalYearName(int lunar_year) {
    return names().years[static_cast<std::size_t>(positive_mod(lunar_year - 1900, 60))];
}

std::string_view ZodiacAnimal(int lunar_year) {
    return ZodiacAnimals[static_cast<std::size_t>(positive_mod(lunar_year - 1900, 12))];
}

std::string_view LunarMonthName(int month) {
    if (month < 1 || month > 12) return {};
    return names().months[static_cast<std::size_t>(month)];
}

std::string_view LunarDayName(int day) {
    if (day < 1) return {};
    return names().days[static_cast<std::size_t>(day > 30 ? 30 : day)];
}

void AppendLunarDateText(std::string& out, const LunarDate& lunar) {
    out += "农历";
    out += CyclicalYearName(lunar.year);
    if (lunar.isLeapMonth) out += "(闰)";
    out += LunarMonthName(lunar.month);
    out += LunarDayName(lunar.day);
}

std::string LunarYearText(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    return std::string(CyclicalYearName(lunar.year)) + (lunar.isLeapMonth ? "(闰)" : "");
}

std::string LunarDateText(common::OleDate date) {
    std::string text;
    AppendLunarDateText(text, ToLunarDate(date));
    return text;
}

}  // namespace moonleaf
