#pragma once

// The lunar and official-calendar day rules as texts: "法定工作日", "法定节假日", "农历八月十五",
// "农历闰四月初八", "农历每月初一". The date chooser writes them and the reminder tick reads
// them; older readers take them for dates that never come, so the settings file stays readable
// by them.

#include <optional>
#include <string>
#include <string_view>

namespace tockly::model {

inline constexpr std::string_view kOfficialWorkdaysRule = "法定工作日";
inline constexpr std::string_view kOfficialHolidaysRule = "法定节假日";

inline constexpr int kLunarMonthCount = 12;
inline constexpr int kLunarDayCount = 30;

struct LunarRule {
    bool every_month = false;
    // Only for a yearly rule: the leap month of that number where the year has one.
    bool leap = false;
    int month = 0;  // 1-12 for a yearly rule, 0 for every month
    int day = 0;    // 1-30
    bool operator==(const LunarRule&) const = default;
};

// Reads "农历" + ["闰"] + month + day or "农历每月" + day; months as 正月 … 十月, 冬月, 腊月 or
// 一月 … 十二月, days as 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十.
std::optional<LunarRule> parse_lunar_rule(std::string_view rule);
// The rule's text, months written 正月 … 冬月, 腊月.
std::string lunar_rule_text(const LunarRule& rule);

// 正月 … 腊月 for 1-12.
std::string_view lunar_month_name(int month);
// 初一 … 三十 for 1-30.
std::string_view lunar_day_name(int day);
// A month name in either form (also what the calendar control answers, "十一月"), exactly.
std::optional<int> lunar_month_number(std::string_view name);
std::optional<int> lunar_day_number(std::string_view name);

}  // namespace tockly::model
