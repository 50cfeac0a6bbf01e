#pragma once

// When one alarm slot is due next, for the overview of all alarms: the slot's hour (or every
// hour), its minute and its day rule, as the reminder tick reads them.

#include <optional>

#include "common/ole_date.h"
#include "tockly/engine/day_rule.h"
#include "tockly/model/reminder_settings.h"

namespace tockly::pages {

// Whether the slot's day rule holds on `day`.
bool slot_due_on(const model::AlarmSlot& slot, common::OleDate day,
                 const engine::DayRuleServices& rules);

// The first minute after the one `now` lies in at which the slot fires; nothing when it is
// switched off, has no valid hour or minute, or its rule names a day that has passed.
std::optional<common::OleDate> next_alarm_time(const model::AlarmSlot& slot, common::OleDate now,
                                               const engine::DayRuleServices& rules);

}  // namespace tockly::pages
