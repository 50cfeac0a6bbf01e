#include "tockly/engine/next_due.h"

#include <cmath>

#include "tockly/engine/slot_schedule.h"

namespace tockly::engine {

namespace {

constexpr int kDaysAhead = 7;

std::string two_digits(long long n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The slot's first due second after `now`, looking a week ahead.
std::optional<double> slot_next(const model::AlarmSlot& slot, const SlotTime& time,
                                const platform::Clock& clock, double now) {
    const long today = date_of(now).day();
    for (long day = today; day <= today + kDaysAhead; ++day) {
        const double midnight = moment_of(common::OleDate::from_day(day));
        std::optional<double> first;
        for (int hour = time.hour.value_or(0); hour <= time.hour.value_or(23); ++hour) {
            const double moment = midnight + (hour * 60 + time.minute) * 60.0;
            if (moment > now) {
                first = moment;
                break;
            }
        }
        if (first && slot_due_on(slot, common::OleDate::from_day(day), clock)) return first;
    }
    return std::nullopt;
}

}  // namespace

std::optional<NextDue> next_due(const model::ReminderSettings& settings,
                                const platform::Clock& clock, double now,
                                const std::vector<SlotDue>& snoozed) {
    std::optional<NextDue> next;
    const auto consider = [&](int index, double moment) {
        if (next && (moment > next->moment || (moment == next->moment && index > next->index)))
            return;
        next =
            NextDue{index, moment, settings.slots[static_cast<size_t>(index)].dingshi_text.text()};
    };
    for (int i = 0; i < model::kSlotCount; ++i) {
        const model::AlarmSlot& slot = settings.slots[static_cast<size_t>(i)];
        if (!slot.dingshi.checked()) continue;
        const auto time = slot_time(slot);
        if (!time) continue;
        if (const auto moment = slot_next(slot, *time, clock, now)) consider(i, *moment);
    }
    for (const SlotDue& snooze : snoozed) consider(snooze.index, snooze.moment);
    return next;
}

std::string hour_minute_text(double moment) {
    const long long minute = static_cast<long long>(std::floor(moment / 60.0 + 1e-6)) % 1440;
    return two_digits(minute / 60) + ":" + two_digits(minute % 60);
}

std::string hour_minute_second_text(double moment) {
    const auto second = static_cast<long long>(std::floor(moment + 1e-6)) % 60;
    return hour_minute_text(moment) + ":" + two_digits(second);
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
