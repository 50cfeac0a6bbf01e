#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/fakes/fake_events.h"
#include "tockly/platform/fakes/fake_player.h"
#include "tockly/platform/fakes/fake_popup_window_service.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/platform/fakes/fake_shell_services.h"
#include "tockly/platform/fakes/fake_wake_timer.h"
#include "tockly/platform/fakes/lunar_calendar_control.h"
#include "tockly/shell/tockly_app.h"
#include "tools/tockly-sim/engine_event_printer.h"
#include "tools/tockly-sim/event_printer.h"
#include "tools/tockly-sim/settings_overlay.h"
#include "tools/tockly-sim/sim_arguments.h"

namespace tockly::sim {

// The real program on simulated services: start-up as the program does it (the settings file
// goes through the pages' and options' reactions), then every 200 ms the reminder tick, the
// display tick and the prompt window's refresh, with the users' actions and the players' end
// reports in between.
class Simulation {
  public:
    // `settings_bytes` is the settings file's content, nothing for a missing file.
    Simulation(const SimArguments& arguments, std::optional<std::string> settings_bytes,
               std::FILE* out);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    void run();

  private:
    void start_up();
    void perform(UserAction action);
    void hold_hotkey();

    SimArguments arguments_;
    platform::FakeClock clock_;
    platform::FakeEventQueue queue_;
    platform::FakeMessagePump pump_;
    EventPrinter printer_;
    std::unique_ptr<platform::FileSystem> folder_;
    SettingsOverlay files_;
    platform::FakePlayer player1_;
    platform::FakePlayer player2_;
    platform::FakeWaveVolume volume_;
    platform::FakePower power_;
    platform::FakeMessageBox message_box_;
    platform::FakeKeyboard keyboard_;
    // The pages' services that no simulated action reaches.
    platform::FakeFileDialog file_dialog_;
    platform::FakeHttp http_;
    platform::FakeSystemTime system_time_;
    platform::LunarCalendarControl Moonleaf2_;
    platform::LunarCalendarControl calendar_;
    platform::FakeScreen screen_;
    platform::FakeRegistry registry_;
    platform::FakeSingleInstance single_instance_;
    platform::FakeWebBrowser browser_;
    platform::NoKeyboardHook keyboard_hook_;
    platform::FakePopupWindowService popup_window_;
    platform::FakeWakeTimer wake_timer_;
    EngineEventPrinter events_;
    shell::TocklyApp app_;
};

}  // namespace tockly::sim
