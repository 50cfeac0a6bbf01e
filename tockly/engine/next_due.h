#pragma once

// The next alarm to come, for the tray tip and the wake-up timer.

#include <optional>
#include <string>
#include <vector>

#include "tockly/engine/catch_up.h"
#include "tockly/model/reminder_settings.h"

namespace tockly::engine {

struct NextDue {
    int index;
    double moment;  // see moment_of
    std::string text;
};

// The slot's first due second after `now`: a custom date's own day, a weekly rule within a
// week, an official-calendar or lunar rule within a year and a little more (a lunar date
// comes once a lunar year; a leap-month date further away gives nothing). Nothing for a slot
// that is off or names no time a clock shows.
std::optional<double> next_slot_moment(const model::AlarmSlot& slot, const DayRuleServices& rules,
                                       double now);

// The earliest due second after `now` of an enabled slot, or of a snoozed slot; the lower slot
// on a tie. Looking ahead decides rules for days to come, so `rules` should tell no one of an
// unpublished year.
std::optional<NextDue> next_due(const model::ReminderSettings& settings,
                                const DayRuleServices& rules, double now,
                                const std::vector<SlotDue>& snoozed);

// "下一个定时：今天 07:30 开会", with 明天 or the date for later days; empty for none.
std::string next_due_line(const std::optional<NextDue>& next, double now);

// "07:30" of a moment.
std::string hour_minute_text(double moment);
// "07:30:05" of a moment.
std::string hour_minute_second_text(double moment);

}  // namespace tockly::engine
