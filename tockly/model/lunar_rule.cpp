#include "tockly/model/lunar_rule.h"

#include <array>

namespace tockly::model {

namespace {

constexpr std::string_view kLunarPrefix = "农历";
constexpr std::string_view kEveryMonth = "每月";
constexpr std::string_view kLeap = "闰";

// Index 0 is the month 1; the customary names first, the plain numbered ones second.
constexpr std::array<std::string_view, kLunarMonthCount> kCustomaryMonths = {
    "正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, kLunarMonthCount> kNumberedMonths = {
    "一月", "二月", "三月", "四月", "五月",   "六月",
    "七月", "八月", "九月", "十月", "十一月", "十二月"};
constexpr std::array<std::string_view, kLunarDayCount> kDays = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

bool take_prefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The month whose name starts the text and leaves a day name after it.
std::optional<LunarRule> month_and_day(std::string_view text) {
    for (const auto& names : {kCustomaryMonths, kNumberedMonths}) {
        for (size_t m = 0; m < names.size(); ++m) {
            std::string_view rest = text;
            if (!take_prefix(rest, names[m])) continue;
            if (const std::optional<int> day = lunar_day_number(rest))
                return LunarRule{false, false, static_cast<int>(m) + 1, *day};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<LunarRule> parse_lunar_rule(std::string_view rule) {
    if (!take_prefix(rule, kLunarPrefix)) return std::nullopt;
    if (take_prefix(rule, kEveryMonth)) {
        const std::optional<int> day = lunar_day_number(rule);
        if (!day) return std::nullopt;
        return LunarRule{true, false, 0, *day};
    }
    const bool leap = take_prefix(rule, kLeap);
    std::optional<LunarRule> parsed = month_and_day(rule);
    if (parsed) parsed->leap = leap;
    return parsed;
}

std::string lunar_rule_text(const LunarRule& rule) {
    std::string text(kLunarPrefix);
    if (rule.every_month) {
        text += kEveryMonth;
    } else {
        if (rule.leap) text += kLeap;
        text += lunar_month_name(rule.month);
    }
    return text += lunar_day_name(rule.day);
}

std::string_view lunar_month_name(int month) {
    if (month < 1 || month > kLunarMonthCount) return {};
    return kCustomaryMonths[static_cast<size_t>(month - 1)];
}

std::string_view lunar_day_name(int day) {
    if (day < 1 || day > kLunarDayCount) return {};
    return kDays[static_cast<size_t>(day - 1)];
}

std::optional<int> lunar_month_number(std::string_view name) {
    for (const auto& names : {kCustomaryMonths, kNumberedMonths})
        for (size_t m = 0; m < names.size(); ++m)
            if (names[m] == name) return static_cast<int>(m) + 1;
    return std::nullopt;
}

std::optional<int> lunar_day_number(std::string_view name) {
    for (size_t d = 0; d < kDays.size(); ++d)
        if (kDays[d] == name) return static_cast<int>(d) + 1;
    return std::nullopt;
}

}  // namespace tockly::model
