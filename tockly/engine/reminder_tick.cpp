#include "tockly/engine/reminder_tick.h"

#include <cmath>
#include <optional>
#include <string>

#include "tockly/engine/day_rule.h"
#include "tockly/engine/guard_stamp.h"
#include "tockly/model/quiet_hours.h"
#include "tockly/model/text_functions.h"

namespace tockly::engine {

namespace {

bool in_due_window(const model::TimeOfDay& time, double phase) {
    return time.second <= 2 && phase < 1.5;
}

bool hour_matches(const std::string& hour_text, double hour) {
    return model::trim_spaces(hour_text) == "全部" || model::numeric_value(hour_text) == hour;
}

}  // namespace

void ReminderTick::refresh_button_and_tray() {
    windows::PromptDisplay& prompt = s_.prompt;
    if (!s_.shared.shifouguanji().empty()) {
        prompt.show_action_button(windows::kCancelShutdownCaption);
    } else if (s_.sound.custom_file_playing()) {
        prompt.show_action_button(windows::kStopPlaybackCaption);
    } else {
        prompt.show_hint();
        if (!prompt.visible()) prompt.set_Tag(windows::mode::kIdle);
    }
    s_.main.set_tray_prompt_caption(prompt.visible() ? kTrayPromptItemHide : kTrayPromptItemShow);
}

bool ReminderTick::guard_lets_fire(float clock) const {
    return guard_lets_through(fireGuardTime, clock);
}

bool ReminderTick::scan_alarms(const Now& now) {
    // Today is read only when some slot gets as far as its day rule.
    std::optional<common::OleDate> today;
    for (int i = 0; i < model::kSlotCount; ++i) {
        const model::AlarmSlot& slot = s_.settings.slots[static_cast<size_t>(i)];
        if (!slot.dingshi.checked()) continue;
        if (!hour_matches(slot.dingshi_shi.text(), now.time.hour)) continue;
        if (model::numeric_value(slot.dingshi_fen.text()) != now.time.minute) continue;
        if (!in_due_window(now.time, now.phase)) continue;
        if (!today) today = s_.clock.now().date_only();
        if (!day_rule_matches(slot.dingshi_riqi.caption, *today, s_.day_rules)) continue;

        // A due slot shows its text and arms its shutdown even when the guard refuses it.
        s_.prompt.set_alarm_text(slot.dingshi_text.text() + s_.day_rules.unpublished.take());
        if (slot.dingshi_guanji.checked()) s_.shutdown.arm();
        if (!guard_lets_fire(now.clock)) continue;
        fireGuardTime = now.clock;
        taps.tell([i](EngineTap& tap) { tap.alarm_fired(i + 1); });
        s_.firing.fire_alarm(i);
        return true;
    }
    return false;
}

void ReminderTick::check_chime(const Now& now) {
    const model::ChimeSettings& chime = s_.settings.chime;
    if (!chime.zhengdian.checked()) return;
    // An interval of 0 (or one that is no number at all) never chimes: there is no minute
    // it divides.
    const double interval = model::numeric_value(chime.zhengdian_jiange.text());
    if (interval == 0 || !std::isfinite(interval)) return;
    const double share = now.time.minute / interval;
    if (std::floor(share) != share || !in_due_window(now.time, now.phase)) return;
    if (model::in_quiet_hours(chime, now.time)) return;
    if (!guard_lets_fire(now.clock)) return;
    fireGuardTime = now.clock;
    taps.tell([](EngineTap& tap) { tap.chime_fired(); });
    s_.firing.fire_chime();
}

void ReminderTick::Timer1_Timer() {
    refresh_button_and_tray();
    if (s_.shared.shifouguanji() == model::kShutdownPending) {
        s_.shutdown.countdown_step();
        return;
    }
    Now now;
    now.clock = s_.clock.seconds_since_midnight();
    now.phase = now.clock - 60.0 * std::floor(now.clock / 60.0);
    now.time = model::split_time(model::biaozhungeshi(s_.clock.time_text()));
    if (scan_alarms(now)) return;
    check_chime(now);
}

}  // namespace tockly::engine
