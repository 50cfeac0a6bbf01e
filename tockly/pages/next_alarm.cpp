#include "tockly/pages/next_alarm.h"

#include <cmath>
#include <vector>

#include "tockly/model/custom_date.h"
#include "tockly/model/number_text.h"
#include "tockly/model/text_functions.h"

namespace tockly::pages {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
// A weekday rule comes round within a week, so today and the seven days after it hold its
// next time. The official-calendar and lunar rules are looked for over a year and a little
// more (a lunar date comes once a lunar year); a leap-month date further away shows no time.
constexpr int kDaysOfWeeklyRules = 8;
constexpr int kDaysOfCalendarRules = 390;

// A whole number from `low` to `high`, or nothing.
std::optional<int> whole_in(double value, int low, int high) {
    if (!std::isfinite(value) || value != std::floor(value) || value < low || value > high)
        return std::nullopt;
    return static_cast<int>(value);
}

// The hours of the day the slot may fire in, in order.
std::vector<int> slot_hours(const model::AlarmSlot& slot) {
    const std::string& hour = slot.dingshi_shi.text();
    if (model::trim_spaces(hour) == "全部") {
        std::vector<int> all(24);
        for (int h = 0; h < 24; ++h) all[static_cast<size_t>(h)] = h;
        return all;
    }
    if (const auto h = whole_in(model::numeric_value(hour), 0, 23)) return {*h};
    return {};
}

}  // namespace

bool slot_due_on(const model::AlarmSlot& slot, common::OleDate day,
                 const engine::DayRuleServices& rules) {
    return engine::day_rule_matches(slot.dingshi_riqi.caption, day, rules);
}

std::optional<common::OleDate> next_alarm_time(const model::AlarmSlot& slot, common::OleDate now,
                                               const engine::DayRuleServices& rules) {
    if (!slot.dingshi.checked()) return std::nullopt;
    const auto minute = whole_in(model::numeric_value(slot.dingshi_fen.text()), 0, 59);
    const std::vector<int> hours = slot_hours(slot);
    if (!minute || hours.empty()) return std::nullopt;

    const long today = now.day();
    const int minute_now = static_cast<int>(std::floor(now.time_of_day() * kMinutesPerDay + 1e-6));
    const std::string& rule = slot.dingshi_riqi.caption;
    std::vector<long> days;
    if (const auto date = model::custom_rule_date(rule, rules.clock)) {
        days.push_back(date->day());
    } else {
        const bool weekly = rule == "每天" || rule.find("星期") != std::string::npos;
        const int count = weekly ? kDaysOfWeeklyRules : kDaysOfCalendarRules;
        for (long d = today; d < today + count; ++d) days.push_back(d);
    }

    for (const long d : days) {
        if (d < today) continue;
        const common::OleDate day = common::OleDate::from_day(d);
        if (!slot_due_on(slot, day, rules)) continue;
        for (const int hour : hours) {
            const int at = hour * 60 + *minute;
            if (d == today && at <= minute_now) continue;
            return common::OleDate(static_cast<double>(d) +
                                   static_cast<double>(at) / kMinutesPerDay);
        }
    }
    return std::nullopt;
}

}  // namespace tockly::pages
