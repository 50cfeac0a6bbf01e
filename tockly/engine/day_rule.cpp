#include "tockly/engine/day_rule.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "tockly/model/lunar_rule.h"
#include "tockly/model/text_functions.h"

namespace tockly::engine {

namespace {

using common::OleDate;

bool weekday_rule_matches(std::string_view rule, int weekday) {
    static constexpr std::array<std::string_view, 7> kDayMarks = {"1", "2", "3", "4",
                                                                  "5", "6", "日"};
    if (weekday < 1 || weekday > 7) return false;
    return rule.find(kDayMarks[static_cast<size_t>(weekday - 1)]) != std::string_view::npos;
}

bool official_workday(OleDate day, const DayRuleServices& services) {
    const int year = moonleaf::schedule_year_of(day.ymd());
    if (!services.schedule.is_published(year))
        services.unpublished.decided_without_notice(year, day);
    return services.schedule.is_official_workday(day);
}

// A lunar day as the calendar control tells it.
struct LunarDay {
    int month = 0;
    bool leap = false;
    int day = 0;
};

std::optional<LunarDay> lunar_day_of(OleDate date, platform::CalendarControl& calendar) {
    const std::optional<int> month = model::lunar_month_number(calendar.GetChineseMonth(date));
    const std::optional<int> day = model::lunar_day_number(calendar.GetChineseDay(date));
    if (!month || !day) return std::nullopt;
    // The control marks a leap month in the year's text: "甲辰年(闰)".
    const bool leap = calendar.GetChineseYear(date).find("(闰)") != std::string::npos;
    return LunarDay{*month, leap, *day};
}

OleDate days_after(OleDate date, long days) {
    return OleDate::from_day(date.day() + days);
}

// The rule's day, or the month's last day when the month is shorter.
bool lunar_day_matches(int rule_day, const LunarDay& today, OleDate date,
                       platform::CalendarControl& calendar) {
    if (today.day == rule_day) return true;
    if (today.day > rule_day) return false;
    const std::optional<LunarDay> tomorrow = lunar_day_of(days_after(date, 1), calendar);
    return tomorrow && tomorrow->day == 1;
}

// Whether the ordinary month that `date` lies in (on its day `day`) is followed by its leap month.
bool leap_month_follows(OleDate date, const LunarDay& today, platform::CalendarControl& calendar) {
    // Thirty-one days on from the day before the month's first lies in the next month, whether
    // this one has 29 or 30 days.
    const std::optional<LunarDay> next = lunar_day_of(days_after(date, 31 - today.day), calendar);
    return next && next->leap && next->month == today.month;
}

bool lunar_rule_matches(const model::LunarRule& rule, OleDate date,
                        platform::CalendarControl& calendar) {
    const std::optional<LunarDay> today = lunar_day_of(date, calendar);
    if (!today || !lunar_day_matches(rule.day, *today, date, calendar)) return false;
    if (rule.every_month) return true;
    if (today->month != rule.month) return false;
    if (today->leap) return rule.leap;
    return !rule.leap || !leap_month_follows(date, *today, calendar);
}

// yyyy-M-d or yyyy/M/d, leading zeros allowed.
std::optional<OleDate> parse_numeric_date(std::string_view text) {
    std::array<int, 3> parts{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    char separator = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            if (at == end || (*at != '-' && *at != '/')) return std::nullopt;
            if (separator != 0 && *at != separator) return std::nullopt;
            separator = *at++;
        }
        const char* const start = at;
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        const long digits = next - start;
        const bool width_ok = i == 0 ? digits == 4 : digits >= 1 && digits <= 2;
        if (error != std::errc() || !width_ok) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    const common::YearMonthDay ymd{parts[0], parts[1], parts[2]};
    if (ymd.month < 1 || ymd.month > 12 || ymd.day < 1) return std::nullopt;
    const OleDate date = OleDate::from_ymd(ymd);
    if (date.ymd() != ymd) return std::nullopt;  // 2026-2-30 and the like
    return date;
}

bool date_rule_matches(std::string_view rule, OleDate day, platform::Clock& clock) {
    const std::string_view text = model::trim_spaces(rule);
    if (text.empty()) return false;
    std::optional<OleDate> date = parse_numeric_date(text);
    if (!date) date = clock.parse_short_date(text);
    return date && date->day() == day.day();
}

}  // namespace

bool day_rule_matches(std::string_view rule, OleDate day, const DayRuleServices& services) {
    if (rule == "每天") return true;
    if (rule.find("星期") != std::string_view::npos)
        return weekday_rule_matches(rule, monday_first(day.weekday()));
    if (rule == model::kOfficialWorkdaysRule) return official_workday(day, services);
    if (rule == model::kOfficialHolidaysRule) return !official_workday(day, services);
    if (const std::optional<model::LunarRule> lunar = model::parse_lunar_rule(rule))
        return lunar_rule_matches(*lunar, day, services.calendar);
    return date_rule_matches(rule, day, services.clock);
}

}  // namespace tockly::engine
