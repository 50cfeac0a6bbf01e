#pragma once

// The 200 ms reminder tick: keeps the prompt window's button and the tray item in step, runs a
// shutdown countdown, and otherwise decides whether an alarm slot or the chime is due. A
// reminder is due in the first 1.5 seconds of its minute; one shared 5-second stamp lets it
// fire once (lowest slot first, alarms before the chime).

#include <optional>

#include "tockly/engine/day_rule.h"
#include "tockly/engine/engine_tap.h"
#include "tockly/engine/firing.h"
#include "tockly/engine/main_window_delegate.h"
#include "tockly/engine/shutdown.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/model/time_text.h"
#include "tockly/platform/clock.h"
#include "tockly/sound/sound_system.h"
#include "tockly/windows/prompt_display.h"

namespace tockly::engine {

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
    };
    explicit ReminderTick(const Services& services) : s_(services) {}

    void Timer1_Timer();
    void run_reminder_tick() override { Timer1_Timer(); }

    // Moment of the last alarm or chime firing; nothing for never, so that a firing at
    // midnight (stamp 0) still guards the seconds after it.
    std::optional<float> fireGuardTime;
    ui::Taps<EngineTap> taps;

  private:
    struct Now {
        float clock;
        double phase;
        model::TimeOfDay time;
    };
    void refresh_button_and_tray();
    // True when a slot fired (the tick ends).
    bool scan_alarms(const Now& now);
    void check_chime(const Now& now);
    bool guard_lets_fire(float clock) const;

    Services s_;
};

}  // namespace tockly::engine
