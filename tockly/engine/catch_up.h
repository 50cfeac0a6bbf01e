#pragma once

// What fell due while no tick ran: the UI thread was blocked, the computer slept or the clock
// was set forward. Each slot and the chime count once, at their latest due second in the gap.

#include <optional>
#include <vector>

#include "tockly/engine/day_rule.h"
#include "tockly/model/reminder_settings.h"

namespace tockly::engine {

// A tick more than this after the one before it leaves a gap to catch up.
inline constexpr double kLateTickSeconds = 1.5;
// A reminder this late or less still fires as usual; a later one is missed.
inline constexpr double kLatestFiringSeconds = 60;
// Looking back further finds nothing new: every weekly rule comes round within it.
inline constexpr double kLongestGapSeconds = 7 * 86400.0;

struct SlotDue {
    int index;
    double moment;  // the due second, see moment_of
};

struct GapDue {
    // In slot order.
    std::vector<SlotDue> alarms;
    std::optional<double> chime;
};

// The due seconds after `after` up to and including `until`, both moments.
GapDue due_in_gap(const model::ReminderSettings& settings, const DayRuleServices& rules,
                  double after, double until);

// Whether the chime's interval divides the minute of the hour.
bool chime_due_at_minute(const model::ChimeSettings& chime, int minute);

}  // namespace tockly::engine
