#include "tockly/engine/reminder_tick.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "tockly/engine/guard_stamp.h"
#include "tockly/engine/slot_schedule.h"
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

long long minute_of(double moment) {
    return static_cast<long long>(std::floor(moment / 60.0));
}

float clock_of(double moment) {
    return static_cast<float>(moment - 86400.0 * std::floor(moment / 86400.0));
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

void ReminderTick::fire_slot(int index, long long minute, double now) {
    fired_minute_[static_cast<size_t>(index)] = minute;
    taps.tell([index](EngineTap& tap) { tap.alarm_fired(index + 1); });
    s_.firing.fire_alarm(index);
    const model::AlarmSlot& slot = s_.settings.slots[static_cast<size_t>(index)];
    // Only a prompt with its two buttons can hear the alarm.
    const bool heard_on_prompt = s_.prompt.visible() &&
                                 s_.shared.shifouguanji() != model::kShutdownPending &&
                                 slot.dingshi_xuan_shengyin.checked();
    if (s_.settings.options.ring_until_heard.checked() && heard_on_prompt) {
        ringing_ = Ringing{index, now};
        if (s_.settings.options.wake_computer.checked()) s_.wake.keep_awake(true);
    } else {
        stop_ringing();
    }
}

bool ReminderTick::scan_alarms(const Now& now) {
    const common::OleDate today = s_.clock.now();
    for (int i = 0; i < model::kSlotCount; ++i) {
        const model::AlarmSlot& slot = s_.settings.slots[static_cast<size_t>(i)];
        if (!slot.dingshi.checked()) continue;
        if (!hour_matches(slot.dingshi_shi.text(), now.time.hour)) continue;
        if (model::numeric_value(slot.dingshi_fen.text()) != now.time.minute) continue;
        if (!in_due_window(now.time, now.phase)) continue;
        if (!slot_due_on(slot, today, s_.day_rules)) continue;
        // The clock was set back over a minute this slot already fired in.
        if (fired_minute_[static_cast<size_t>(i)] == now.minute && guard_lets_fire(now.clock))
            continue;

        // A due slot shows its text and arms its shutdown even when the guard refuses it.
        s_.prompt.set_alarm_text(slot.dingshi_text.text() + s_.day_rules.unpublished.take());
        if (slot.dingshi_guanji.checked()) s_.shutdown.arm();
        if (!guard_lets_fire(now.clock)) continue;
        fireGuardTime = now.clock;
        fire_slot(i, now.minute, moment_of(today));
        return true;
    }
    return false;
}

void ReminderTick::check_chime(const Now& now) {
    if (!chime_due_at_minute(s_.settings.chime, static_cast<int>(now.time.minute))) return;
    if (!in_due_window(now.time, now.phase) || !guard_lets_fire(now.clock)) return;
    if (model::in_quiet_hours(s_.settings.chime, now.time)) return;
    if (chime_fired_minute_ == now.minute) return;
    fireGuardTime = now.clock;
    chime_fired_minute_ = now.minute;
    taps.tell([](EngineTap& tap) { tap.chime_fired(); });
    s_.firing.fire_chime();
}

void ReminderTick::catch_up(double after, double now) {
    const GapDue due = due_in_gap(s_.settings, s_.day_rules, after, now);
    std::vector<SlotDue> late;
    std::vector<SlotDue> missed;
    for (const SlotDue& d : due.alarms) {
        if (fired_minute_[static_cast<size_t>(d.index)] == minute_of(d.moment)) continue;
        // A shutdown is never started late: after a sleep nobody may be there to stop it.
        const bool shutdown =
            s_.settings.slots[static_cast<size_t>(d.index)].dingshi_guanji.checked();
        (now - d.moment <= kLatestFiringSeconds && !shutdown ? late : missed).push_back(d);
    }
    tell_missed(missed);
    fire_late(late, now);
    // A chime that passed unheard is not told: the next one comes.
    if (!due.chime || now - *due.chime > kLatestFiringSeconds) return;
    const long long minute = minute_of(*due.chime);
    const bool alarm_fired_then = std::any_of(late.begin(), late.end(), [minute](const SlotDue& d) {
        return minute_of(d.moment) == minute;
    });
    if (alarm_fired_then || chime_fired_minute_ == minute || !guard_lets_fire(clock_of(*due.chime)))
        return;
    fireGuardTime = clock_of(*due.chime);
    chime_fired_minute_ = minute;
    taps.tell([](EngineTap& tap) { tap.chime_fired(); });
    s_.firing.fire_chime();
}

void ReminderTick::fire_late(const std::vector<SlotDue>& late, double now) {
    std::vector<SlotDue> order = late;
    std::stable_sort(order.begin(), order.end(),
                     [](const SlotDue& a, const SlotDue& b) { return a.moment < b.moment; });
    // As the ticks of each due second would have done it: the lowest slot fires, the last text
    // stays.
    for (size_t first = 0; first < order.size();) {
        size_t end = first;
        while (end < order.size() && order[end].moment == order[first].moment) ++end;
        const SlotDue& lowest = order[first];
        s_.prompt.set_alarm_text(
            s_.settings.slots[static_cast<size_t>(lowest.index)].dingshi_text.text());
        if (guard_lets_fire(clock_of(lowest.moment))) {
            fireGuardTime = clock_of(lowest.moment);
            fire_slot(lowest.index, minute_of(lowest.moment), now);
        }
        for (size_t k = first + 1; k < end; ++k)
            s_.prompt.set_alarm_text(
                s_.settings.slots[static_cast<size_t>(order[k].index)].dingshi_text.text());
        first = end;
    }
}

void ReminderTick::fire_due_snoozes(double now) {
    std::vector<SlotDue> due;
    std::erase_if(snoozed_, [&due, now](const SlotDue& snooze) {
        if (snooze.moment > now) return false;
        due.push_back(snooze);
        return true;
    });
    std::vector<SlotDue> missed;
    for (const SlotDue& snooze : due) {
        if (now - snooze.moment > kLatestFiringSeconds) {
            missed.push_back(snooze);
            continue;
        }
        s_.prompt.set_alarm_text(
            s_.settings.slots[static_cast<size_t>(snooze.index)].dingshi_text.text());
        fire_slot(snooze.index, minute_of(now), now);
    }
    tell_missed(missed);
}

void ReminderTick::tell_missed(const std::vector<SlotDue>& missed) {
    if (missed.empty()) return;
    std::string notice = windows::mode::kMissed;
    notice += "：";
    for (size_t k = 0; k < missed.size(); ++k) {
        const SlotDue& d = missed[k];
        const std::string when = hour_minute_text(d.moment);
        taps.tell([&d, &when](EngineTap& tap) { tap.alarm_missed(d.index + 1, when); });
        const std::string& text =
            s_.settings.slots[static_cast<size_t>(d.index)].dingshi_text.text();
        if (k > 0) notice += "；";
        notice += windows::mode::kAlarmPrefix + std::to_string(d.index + 1) + " " + when;
        if (!text.empty()) notice += " " + text;
    }
    s_.prompt.set_Tag(windows::mode::kMissed);
    s_.prompt.set_alarm_text(notice);
    s_.prompt.show();
    s_.main.show_notice(notice);
}

void ReminderTick::keep_ringing(double now) {
    if (!ringing_) return;
    const std::string mode = windows::mode::kAlarmPrefix + std::to_string(ringing_->index + 1);
    // Hidden or put to another use, the prompt no longer asks to be heard.
    if (!s_.prompt.visible() || s_.prompt.Tag() != mode ||
        now - ringing_->since >= kLongestRingSeconds) {
        stop_ringing();
        return;
    }
    if (s_.sound.Mp3Play1.state.empty()) s_.firing.ring_again(ringing_->index);
}

void ReminderTick::stop_ringing() {
    if (!ringing_) return;
    ringing_.reset();
    if (s_.settings.options.wake_computer.checked()) s_.wake.keep_awake(false);
}

void ReminderTick::snooze_alarm(int number) {
    if (number < 1 || number > model::kSlotCount) return;
    stop_ringing();
    const int index = number - 1;
    const double moment =
        moment_of(s_.clock.now()) + 60.0 * s_.settings.options.snooze_length_minutes();
    std::erase_if(snoozed_, [index](const SlotDue& snooze) { return snooze.index == index; });
    snoozed_.push_back({index, moment});
    const std::string when = hour_minute_second_text(moment);
    taps.tell([number, &when](EngineTap& tap) { tap.alarm_snoozed(number, when); });
    follow_next_due(moment_of(s_.clock.now()));
}

void ReminderTick::acknowledge_alarm() {
    stop_ringing();
}

void ReminderTick::follow_next_due(double now) {
    const std::optional<NextDue> next = next_due(s_.settings, lookahead_rules_, now, snoozed_);
    s_.main.set_next_due_line(next_due_line(next, now));
    std::optional<double> wake;
    if (next && s_.settings.options.wake_computer.checked()) wake = next->moment;
    if (wake == wake_moment_) return;
    wake_moment_ = wake;
    s_.wake.set_for(wake ? std::optional(date_of(*wake)) : std::nullopt);
}

void ReminderTick::Timer1_Timer() {
    refresh_button_and_tray();
    const double moment = moment_of(s_.clock.now());
    const std::optional<double> previous = std::exchange(last_tick_, moment);
    if (s_.shared.shifouguanji() == model::kShutdownPending) {
        s_.shutdown.countdown_step();
        return;
    }
    keep_ringing(moment);
    fire_due_snoozes(moment);
    if (previous && moment - *previous > kLateTickSeconds) {
        catch_up(*previous, moment);
    } else {
        Now now;
        now.clock = s_.clock.seconds_since_midnight();
        now.phase = now.clock - 60.0 * std::floor(now.clock / 60.0);
        now.time = model::split_time(model::biaozhungeshi(s_.clock.time_text()));
        now.minute = minute_of(moment);
        if (!scan_alarms(now)) check_chime(now);
    }
    follow_next_due(moment);
}

}  // namespace tockly::engine
