#pragma once

// The 200 ms display tick: the main window's caption, the tray tip, the today label and the
// prompt window's lunar line, then the announcement hotkey.

#include "tockly/engine/main_window_delegate.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/model/version.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/keyboard.h"
#include "tockly/sound/announcer.h"
#include "tockly/windows/prompt_display.h"

namespace tockly::engine {

class DisplayTick {
  public:
    struct Services {
        platform::Clock& clock;
        platform::Keyboard& keyboard;
        platform::CalendarControl& Moonleaf1;
        model::ReminderSettings& settings;
        sound::Announcer& announcer;
        windows::PromptDisplay& prompt;
        MainWindowDelegate& main;
    };
    DisplayTick(const Services& services, model::Version version)
        : s_(services), version_(version) {}

    void Timer2_Timer();
    // Announces the time while the chosen hotkey is held (and the hotkey option is on).
    void nanjieanjian();

  private:
    Services s_;
    model::Version version_;
};

// "星期一" ... "星期日" for Monday 1 ... Sunday 7.
const char* weekday_name(int monday_first_weekday);

}  // namespace tockly::engine
