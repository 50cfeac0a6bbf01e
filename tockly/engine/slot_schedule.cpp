#include "tockly/engine/slot_schedule.h"

#include <cmath>

#include "tockly/model/number_text.h"
#include "tockly/model/text_functions.h"

namespace tockly::engine {

std::optional<SlotTime> slot_time(const model::AlarmSlot& slot) {
    const double minute = model::numeric_value(slot.dingshi_fen.text());
    if (!(minute >= 0 && minute < 60) || std::floor(minute) != minute) return std::nullopt;
    SlotTime time;
    time.minute = static_cast<int>(minute);
    if (model::trim_spaces(slot.dingshi_shi.text()) == "全部") return time;
    const double hour = model::numeric_value(slot.dingshi_shi.text());
    if (!(hour >= 0 && hour < 24) || std::floor(hour) != hour) return std::nullopt;
    time.hour = static_cast<int>(hour);
    return time;
}

bool slot_due_on(const model::AlarmSlot& slot, common::OleDate day, const DayRuleServices& rules) {
    return day_rule_matches(slot.dingshi_riqi.caption, day.date_only(), rules);
}

}  // namespace tockly::engine
