#include "tockly/engine/catch_up.h"

#include <algorithm>
#include <cmath>

#include "tockly/engine/slot_schedule.h"
#include "tockly/model/number_text.h"
#include "tockly/model/quiet_hours.h"

namespace tockly::engine {

namespace {

constexpr long long kMinutesPerDay = 1440;

struct Candidate {
    int index;
    SlotTime time;
    std::optional<double> found;
};

bool time_matches(const SlotTime& time, long long minute_of_day) {
    if (time.minute != minute_of_day % 60) return false;
    return !time.hour || *time.hour == minute_of_day / 60;
}

long long floor_div(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

bool chime_due_at_minute(const model::ChimeSettings& chime, int minute) {
    if (!chime.zhengdian.checked()) return false;
    // An interval of 0 (or one that is no number at all) never chimes: there is no minute it
    // divides.
    const double interval = model::numeric_value(chime.zhengdian_jiange.text());
    if (interval == 0 || !std::isfinite(interval)) return false;
    const double share = minute / interval;
    return std::floor(share) == share;
}

GapDue due_in_gap(const model::ReminderSettings& settings, const DayRuleServices& rules,
                  double after, double until) {
    std::vector<Candidate> open;
    for (int i = 0; i < model::kSlotCount; ++i) {
        const model::AlarmSlot& slot = settings.slots[static_cast<size_t>(i)];
        if (!slot.dingshi.checked()) continue;
        if (const auto time = slot_time(slot)) open.push_back({i, *time, std::nullopt});
    }
    GapDue due;
    bool chime_open = settings.chime.zhengdian.checked();
    const double earliest = std::max(after, until - kLongestGapSeconds);
    // Backwards, so that the first due second found is a slot's latest.
    size_t left = open.size();
    for (long long minute = floor_div(static_cast<long long>(std::floor(until)), 60);
         minute * 60.0 > earliest && (left > 0 || chime_open); --minute) {
        const double moment = minute * 60.0;
        const long long in_day = minute - floor_div(minute, kMinutesPerDay) * kMinutesPerDay;
        const model::TimeOfDay time{static_cast<double>(in_day / 60),
                                    static_cast<double>(in_day % 60), 0};
        if (chime_open && chime_due_at_minute(settings.chime, static_cast<int>(in_day % 60)) &&
            !model::in_quiet_hours(settings.chime, time)) {
            due.chime = moment;
            chime_open = false;
        }
        for (Candidate& c : open) {
            if (c.found || !time_matches(c.time, in_day)) continue;
            if (!slot_due_on(settings.slots[static_cast<size_t>(c.index)], date_of(moment), rules))
                continue;
            c.found = moment;
            --left;
        }
    }
    for (const Candidate& c : open)
        if (c.found) due.alarms.push_back({c.index, *c.found});
    return due;
}

}  // namespace tockly::engine
