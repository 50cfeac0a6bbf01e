#pragma once

// The whole of Tockly wired together: settings, shared variables, the players and
// announcements, the prompt and popup windows, the main window with its tray icon and options
// page, the two ticks, the shutdown, start-up and quit.
// The services are injected, so tests, the simulator and the Windows program drive the same
// object graph; taps see what the engine decides.
//
// The names a newcomer meets first keep the program's historical names:
//   Form1      the main window (MainWindow): tab strip, page frames, save button Command1
//   Form2      the floating prompt window (PromptWindow)
//   form_tan   the popup window that rises from the task bar (PopupWindow)
//   Timer1     the 200 ms reminder tick (ReminderTick::Timer1_Timer)
//   Timer2     the 200 ms display tick: caption, tray tip, hotkey (DisplayTick::Timer2_Timer)
//   Mp3Play1/2 the two players: alarms and announcements, previews
//   Moonleaf1/2 the calendars of the date lookup page and of the alarm date chooser
//   wenjian1   the items of the menu "文件", which is the tray menu
//   Check3     the options page's check boxes; Slider1 opacity, Slider2 volume
//   shifouguanji, guanjiyanshi, shifouguanbi  shutdown state, countdown start, quit marker

#include "tockly/engine/display_tick.h"
#include "tockly/engine/engine_tap.h"
#include "tockly/engine/firing.h"
#include "tockly/engine/reminder_tick.h"
#include "tockly/engine/shutdown.h"
#include "tockly/engine/unpublished_year_notice.h"
#include "tockly/internet_time/time_sync.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/model/version.h"
#include "tockly/pages/options_page.h"
#include "tockly/pages/pages.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_dialog.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/http.h"
#include "tockly/platform/keyboard.h"
#include "tockly/platform/keyboard_hook.h"
#include "tockly/platform/message_box.h"
#include "tockly/platform/message_pump.h"
#include "tockly/platform/player.h"
#include "tockly/platform/power.h"
#include "tockly/platform/registry.h"
#include "tockly/platform/screen.h"
#include "tockly/platform/single_instance.h"
#include "tockly/platform/system_time.h"
#include "tockly/platform/wake_timer.h"
#include "tockly/platform/wave_volume.h"
#include "tockly/platform/web_browser.h"
#include "tockly/shell/holiday_file.h"
#include "tockly/shell/lifecycle.h"
#include "tockly/shell/main_window.h"
#include "tockly/shell/main_window_page_host.h"
#include "tockly/shell/news.h"
#include "tockly/shell/tray.h"
#include "tockly/shell/unsaved_settings.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"
#include "tockly/windows/popup_window.h"
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
    platform::Registry& registry;
    platform::SingleInstance& single_instance;
    platform::WebBrowser& web_browser;
    platform::KeyboardHook& keyboard_hook;
    // The popup window's real window, as the Win32 view provides it.
    platform::PopupWindowService& popup_window;
    platform::FileDialog& file_dialog;
    platform::Http& http;
    platform::SystemTime& system_time;
    // The calendar of the alarm date chooser.
    platform::CalendarControl& Moonleaf2;
    // Wakes a sleeping computer for the next alarm.
    platform::WakeTimer& wake_timer;
};

class TocklyApp {
  public:
    explicit TocklyApp(const TocklyServices& services, model::Version version = {});
    TocklyApp(const TocklyApp&) = delete;
    TocklyApp& operator=(const TocklyApp&) = delete;

    void Timer1_Timer() { reminder_tick.Timer1_Timer(); }
    void Timer2_Timer() {
        display_tick.Timer2_Timer();
        holidays.fetch_when_due();
    }
    void bofang_shijian(const std::string& xiang) { announcer.bofang_shijian(xiang); }

    // Follows the engine's decisions and the shutdown state.
    void add_tap(engine::EngineTap* tap);
    void remove_tap(engine::EngineTap* tap);

    // Start-up as the main window's creation runs it; false when another copy already runs.
    bool start_up();
    // The main window's save button "保存设置".
    void Command1_Click();

    TocklyServices services;
    model::ReminderSettings settings;
    model::SharedState shared;
    sound::SoundSystem sound;
    sound::Announcer announcer;
    windows::PromptWindow Form2;
    MainWindow Form1;
    engine::Shutdown shutdown;
    engine::Firing firing;
    HolidayFile holidays;
    engine::UnpublishedYearNotice unpublished_year_notice;
    engine::DayRuleServices day_rules;
    engine::ReminderTick reminder_tick;
    engine::DisplayTick display_tick;
    windows::PopupWindow form_tan;
    News news;
    internet_time::TimeSync time_sync;
    Tray tray;
    MainWindowPageHost page_host;
    MainWindowOptionsHost options_host;
    pages::OptionsPage options_page;
    Lifecycle lifecycle;
    pages::Pages pages;
    // What was loaded or last saved, asked about when quitting.
    UnsavedSettings unsaved_settings;

  private:
    // Every change of a page's controls, by the user or by the settings file, runs the page's
    // reaction.
    void connect_pages();

    model::Version version_;
};

}  // namespace tockly::shell
