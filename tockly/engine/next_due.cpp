#include "tockly/engine/next_due.h"

#include <cmath>

#include "tockly/engine/slot_schedule.h"
#include "tockly/model/custom_date.h"
#include "tockly/model/text_functions.h"

namespace tockly::engine {

namespace {

// A weekday rule comes round within a week; a lunar date within a lunar year.
constexpr int kDaysOfWeeklyRules = 8;
constexpr int kDaysOfCalendarRules = 390;

// The days that may hold the slot's next time, from today on.
std::vector<long> candidate_days(const std::string& rule, const DayRuleServices& rules,
                                 long today) {
    if (const auto date = model::custom_rule_date(rule, rules.clock)) {
        if (date->day() < today) return {};
        return {date->day()};
    }
    const bool weekly = rule == "每天" || rule.find("星期") != std::string::npos;
    const int count = weekly ? kDaysOfWeeklyRules : kDaysOfCalendarRules;
    std::vector<long> days;
    for (long day = today; day < today + count; ++day) days.push_back(day);
    return days;
}

}  // namespace

std::optional<double> next_slot_moment(const model::AlarmSlot& slot, const DayRuleServices& rules,
                                       double now) {
    if (!slot.dingshi.checked()) return std::nullopt;
    const auto time = slot_time(slot);
    if (!time) return std::nullopt;
    for (const long day : candidate_days(slot.dingshi_riqi.caption, rules, date_of(now).day())) {
        const double midnight = moment_of(common::OleDate::from_day(day));
        std::optional<double> first;
        for (int hour = time->hour.value_or(0); hour <= time->hour.value_or(23); ++hour) {
            const double moment = midnight + (hour * 60 + time->minute) * 60.0;
            if (moment > now) {
                first = moment;
                break;
            }
        }
        if (first && slot_due_on(slot, common::OleDate::from_day(day), rules)) return first;
    }
    return std::nullopt;
}

std::optional<NextDue> next_due(const model::ReminderSettings& settings,
                                const DayRuleServices& rules, double now,
                                const std::vector<SlotDue>& snoozed) {
    std::optional<NextDue> next;
    const auto consider = [&](int index, double moment) {
        if (next && (moment > next->moment || (moment == next->moment && index > next->index)))
            return;
        next =
            NextDue{index, moment, settings.slots[static_cast<size_t>(index)].dingshi_text.text()};
    };
    for (int i = 0; i < model::kSlotCount; ++i) {
        if (const auto moment =
                next_slot_moment(settings.slots[static_cast<size_t>(i)], rules, now))
            consider(i, *moment);
    }
    for (const SlotDue& snooze : snoozed) consider(snooze.index, snooze.moment);
    return next;
}

std::string hour_minute_text(double moment) {
    const long long minute = static_cast<long long>(std::floor(moment / 60.0 + 1e-6)) % 1440;
    return model::two_digit(std::to_string(minute / 60)) + ":" +
           model::two_digit(std::to_string(minute % 60));
}

std::string hour_minute_second_text(double moment) {
    const auto second = static_cast<long long>(std::floor(moment + 1e-6)) % 60;
    return hour_minute_text(moment) + ":" + model::two_digit(std::to_string(second));
}

std::string next_due_line(const std::optional<NextDue>& next, double now) {
    if (!next) return {};
    const common::OleDate when = date_of(next->moment);
    const long days = when.day() - date_of(now).day();
    std::string day;
    if (days == 0) {
        day = "今天";
    } else if (days == 1) {
        day = "明天";
    } else {
        const auto ymd = when.ymd();
        day = std::to_string(ymd.month) + "月" + std::to_string(ymd.day) + "日";
    }
    std::string line = "下一个定时：" + day + " " + hour_minute_text(next->moment);
    if (!next->text.empty()) line += " " + next->text;
    return line;
}

}  // namespace tockly::engine
