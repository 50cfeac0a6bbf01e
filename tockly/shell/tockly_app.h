#pragma once

// The whole reminder side of Tockly wired together: settings, shared variables, the players and
// announcements, the prompt window, the main window's state, the two ticks and the shutdown.
// The services are injected, so tests, the simulator and the Windows program drive the same
// object graph; observers see what the engine decides.

#include "tockly/engine/display_tick.h"
#include "tockly/engine/engine_observer.h"
#include "tockly/engine/firing.h"
#include "tockly/engine/reminder_tick.h"
#include "tockly/engine/shutdown.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/model/version.h"
#include "tockly/pages/pages.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_dialog.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/http.h"
#include "tockly/platform/keyboard.h"
#include "tockly/platform/message_box.h"
#include "tockly/platform/message_pump.h"
#include "tockly/platform/player.h"
#include "tockly/platform/power.h"
#include "tockly/platform/screen.h"
#include "tockly/platform/system_time.h"
#include "tockly/platform/wave_volume.h"
#include "tockly/shell/main_window.h"
#include "tockly/shell/main_window_page_host.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::shell {

struct TocklyServices {
    platform::Clock& clock;
    platform::Player& player1;
    platform::Player& player2;
    platform::WaveVolume& wave_volume;
    platform::Power& power;
    platform::FileSystem& files;
    platform::MessageBox& message_box;
    platform::MessagePump& pump;
    platform::Keyboard& keyboard;
    platform::CalendarControl& Moonleaf1;
    platform::Screen& screen;
    platform::FileDialog& file_dialog;
    platform::Http& http;
    platform::SystemTime& system_time;
    // The calendar of the alarm date chooser.
    platform::CalendarControl& Moonleaf2;
};

class TocklyApp {
  public:
    // `time_page` is the HTTPS address of the program's time page.
    explicit TocklyApp(const TocklyServices& services, model::Version version = {},
                       std::string time_page = {});
    TocklyApp(const TocklyApp&) = delete;
    TocklyApp& operator=(const TocklyApp&) = delete;

    void Timer1_Timer() { reminder_tick.Timer1_Timer(); }
    void Timer2_Timer() { display_tick.Timer2_Timer(); }
    void bofang_shijian(const std::string& xiang) { announcer.bofang_shijian(xiang); }

    void set_observer(engine::EngineObserver* observer);

    TocklyServices services;
    model::ReminderSettings settings;
    model::SharedState shared;
    sound::SoundSystem sound;
    sound::Announcer announcer;
    windows::PromptWindow Form2;
    MainWindow Form1;
    engine::Shutdown shutdown;
    engine::Firing firing;
    engine::ReminderTick reminder_tick;
    engine::DisplayTick display_tick;
    MainWindowPageHost page_host;
    pages::Pages pages;

  private:
    // Every change of a page's controls, by the user or by the settings file, runs the page's
    // reaction.
    void connect_pages();
};

}  // namespace tockly::shell
