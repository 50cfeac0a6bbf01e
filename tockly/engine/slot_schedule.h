#pragma once

// When an alarm slot is due, as moments on one time line: the catch-up after a late tick and the
// next-due answer both need the slot's due seconds on days other than today.

#include <optional>

#include "common/ole_date.h"
#include "tockly/engine/day_rule.h"
#include "tockly/model/reminder_settings.h"

namespace tockly::engine {

// Seconds since the start of OLE dates, local time: a moment that, unlike the seconds since
// midnight, keeps its order across midnight.
inline double moment_of(common::OleDate date) {
    return date.serial() * 86400.0;
}
inline common::OleDate date_of(double moment) {
    return common::OleDate(moment / 86400.0);
}

// The hour and minute a slot names; no hour for "全部", every hour.
struct SlotTime {
    std::optional<int> hour;
    int minute = 0;
};
// Nothing when the lists name no time a clock shows.
std::optional<SlotTime> slot_time(const model::AlarmSlot& slot);

// Whether the slot's day rule holds on the calendar day of `day`.
bool slot_due_on(const model::AlarmSlot& slot, common::OleDate day, const DayRuleServices& rules);

}  // namespace tockly::engine
