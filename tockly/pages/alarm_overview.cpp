#include "tockly/pages/alarm_overview.h"

#include <cmath>

#include "tockly/engine/next_due.h"
#include "tockly/engine/slot_schedule.h"
#include "tockly/model/number_text.h"
#include "tockly/model/text_functions.h"

namespace tockly::pages {

namespace {

// "07:30", or "每小时 30 分" for the hour entry "全部"; a typed hour or minute that is no
// number shows as typed.
std::string time_text(const model::AlarmSlot& slot) {
    const std::string hour(model::trim_spaces(slot.dingshi_shi.text()));
    const std::string minute(model::trim_spaces(slot.dingshi_fen.text()));
    const double m = model::numeric_value(minute);
    if (!std::isfinite(m) || m != std::floor(m) || m < 0 || m > 59) return hour + ":" + minute;
    if (hour == "全部") return "每小时 " + std::to_string(static_cast<int>(m)) + " 分";
    const double h = model::numeric_value(hour);
    if (!std::isfinite(h) || h != std::floor(h) || h < 0 || h > 23) return hour + ":" + minute;
    return model::two_digit(std::to_string(static_cast<int>(h))) + ":" +
           model::two_digit(std::to_string(static_cast<int>(m)));
}

}  // namespace

AlarmRow AlarmOverview::row(int k) const {
    const model::AlarmSlot& slot = s_.settings.slots[static_cast<size_t>(k)];
    AlarmRow row{"定时 " + std::to_string(k + 1), slot.dingshi.checked(),   time_text(slot),
                 slot.dingshi_riqi.caption,       slot.dingshi_text.text(), {}};
    const double now = engine::moment_of(s_.clock.now());
    if (const auto next = engine::next_slot_moment(slot, rules_, now)) {
        row.next = s_.clock.format_short_date(engine::date_of(*next).date_only()) + " " +
                   engine::hour_minute_text(*next);
    }
    return row;
}

std::vector<AlarmRow> AlarmOverview::rows() const {
    std::vector<AlarmRow> all;
    for (int k = 0; k < model::kSlotCount; ++k) all.push_back(row(k));
    return all;
}

void AlarmOverview::set_enabled(int k, bool on) {
    if (k < 0 || k >= model::kSlotCount) return;
    s_.settings.slots[static_cast<size_t>(k)].dingshi.set_value(on ? 1 : 0);
}

void AlarmOverview::open(int k) {
    if (k < 0 || k >= model::kSlotCount) return;
    s_.editor.show_slot(k);
    s_.host.show_alarm_page();
}

}  // namespace tockly::pages
