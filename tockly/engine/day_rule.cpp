#include "tockly/engine/day_rule.h"

#include <array>
#include <optional>
#include <string>

#include "tockly/model/custom_date.h"
#include "tockly/model/lunar_rule.h"

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

}  // namespace

bool day_rule_matches(std::string_view rule, OleDate day, const DayRuleServices& services) {
    if (rule == "每天") return true;
    if (rule.find("星期") != std::string_view::npos)
        return weekday_rule_matches(rule, monday_first(day.weekday()));
    if (rule == model::kOfficialWorkdaysRule) return official_workday(day, services);
    if (rule == model::kOfficialHolidaysRule) return !official_workday(day, services);
    if (const std::optional<model::LunarRule> lunar = model::parse_lunar_rule(rule))
        return lunar_rule_matches(*lunar, day, services.calendar);
    const std::optional<OleDate> date = model::custom_rule_date(rule, services.clock);
    return date && date->day() == day.day();
}

}  // namespace tockly::engine
