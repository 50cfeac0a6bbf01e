#pragma once

// The reminder tick, run just after every whole second: keeps the prompt window's button and the
// tray item in step, runs a shutdown countdown, and otherwise decides whether an alarm slot or
// the chime is due. A reminder is due in the first 1.5 seconds of its minute; one shared 5-second
// stamp lets it fire once (lowest slot first, alarms before the chime). A tick that comes late
// (a blocked thread, a sleep, a clock set forward) catches up on what fell due in the gap; a slot
// that already fired in a minute does not fire again there when the clock is set back.
// It also keeps snoozed alarms, an alarm that rings until it is heard, the tray tip's next-due
// line and the wake-up timer.

#include <array>
#include <optional>
#include <vector>

#include "tockly/engine/catch_up.h"
#include "tockly/engine/day_rule.h"
#include "tockly/engine/engine_tap.h"
#include "tockly/engine/firing.h"
#include "tockly/engine/main_window_delegate.h"
#include "tockly/engine/next_due.h"
#include "tockly/engine/shutdown.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/model/time_text.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/wake_timer.h"
#include "tockly/sound/sound_system.h"
#include "tockly/windows/prompt_display.h"

namespace tockly::engine {

// The longest an alarm rings until it is heard.
inline constexpr double kLongestRingSeconds = 300;

class ReminderTick : public windows::PromptWindowDelegate {
  public:
    struct Services {
        platform::Clock& clock;
        model::ReminderSettings& settings;
        model::SharedState& shared;
        sound::SoundSystem& sound;
        windows::PromptDisplay& prompt;
        MainWindowDelegate& main;
        Shutdown& shutdown;
        Firing& firing;
        const DayRuleServices& day_rules;
        platform::WakeTimer& wake;
    };
    explicit ReminderTick(const Services& services) : s_(services) {}

    void Timer1_Timer();
    void run_reminder_tick() override { Timer1_Timer(); }
    void snooze_alarm(int number) override;
    void acknowledge_alarm() override;

    // Moment of the last alarm or chime firing; nothing for never, so that a firing at
    // midnight (stamp 0) still guards the seconds after it.
    std::optional<float> fireGuardTime;
    ui::Taps<EngineTap> taps;

  private:
    struct Now {
        float clock;
        double phase;
        model::TimeOfDay time;
        long long minute;  // since the start of OLE dates
    };
    struct Ringing {
        int index;
        double since;
    };
    void refresh_button_and_tray();
    // True when a slot fired (the tick ends).
    bool scan_alarms(const Now& now);
    void check_chime(const Now& now);
    bool guard_lets_fire(float clock) const;
    void fire_slot(int index, long long minute, double now);
    void catch_up(double after, double now);
    void fire_late(const std::vector<SlotDue>& late, double now);
    void fire_due_snoozes(double now);
    void tell_missed(const std::vector<SlotDue>& missed);
    void keep_ringing(double now);
    void stop_ringing();
    void follow_next_due(double now);

    Services s_;
    // Looking ahead decides rules for days to come; only an alarm that comes up tells of an
    // unpublished year.
    UnpublishedYearNotice lookahead_notice_;
    DayRuleServices lookahead_rules_{s_.day_rules.clock, s_.day_rules.calendar,
                                     s_.day_rules.schedule, lookahead_notice_};
    std::optional<double> last_tick_;
    // The minute (see Now) each slot last fired in, and the chime.
    std::array<std::optional<long long>, model::kSlotCount> fired_minute_;
    std::optional<long long> chime_fired_minute_;
    std::vector<SlotDue> snoozed_;
    std::optional<Ringing> ringing_;
    std::optional<double> wake_moment_;
};

}  // namespace tockly::engine
