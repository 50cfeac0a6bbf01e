#pragma once

// A complete TocklyApp on fake services, with a clock that a test moves in timer steps.

#include <string>
#include <vector>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/fakes/fake_events.h"
#include "tockly/platform/fakes/fake_player.h"
#include "tockly/platform/fakes/fake_popup_window_service.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/platform/fakes/fake_shell_services.h"
#include "tockly/platform/fakes/fake_wake_timer.h"
#include "tockly/shell/tockly_app.h"

namespace tockly::testing {

// Records what the engine reports, one line per event.
struct RecordingObserver : engine::EngineTap, shell::MainWindowObserver {
    void alarm_fired(int number) override {
        events.push_back("fire slot " + std::to_string(number));
    }
    void chime_fired() override { events.push_back("fire chime"); }
    void alarm_missed(int number, const std::string& hour_minute) override {
        events.push_back("missed slot " + std::to_string(number) + " " + hour_minute);
    }
    void alarm_snoozed(int number, const std::string& time) override {
        events.push_back("snooze slot " + std::to_string(number) + " " + time);
    }
    void shutdown_state_changed(const std::string& state) override {
        events.push_back("shutdown-state " + state);
    }
    void quit_requested() override { events.push_back("quit"); }
    int count(const std::string& event) const {
        int n = 0;
        for (const auto& e : events) n += e == event;
        return n;
    }
    std::vector<std::string> events;
};

// Sets a control without running its reaction: the engine must cope with any combination,
// even those the pages never let a user make.
inline void set_quietly(ui::CheckBox& box, int value) {
    auto reaction = std::move(box.on_change);
    box.on_change = nullptr;
    box.set_value(value);
    box.on_change = std::move(reaction);
}
inline void set_quietly(ui::TextBox& box, std::string text) {
    auto reaction = std::move(box.on_change);
    box.on_change = nullptr;
    box.set_text(std::move(text));
    box.on_change = std::move(reaction);
}

struct AppHarness {
    AppHarness() {
        clock.set(2026, 12, 7, 8, 0, 0);  // a Monday
        app.add_tap(&observer);
        app.Form1.add_observer(&observer);
    }

    // Lets `seconds` pass in 200 ms timer steps: player events, the reminder tick and the
    // prompt window's refresh, in that order, at every step.
    void run(double seconds) {
        for (int step = 0; step < static_cast<int>(seconds * 5 + 0.5); ++step) {
            queue.deliver_until(clock.now_ms() + 200);
            app.Timer1_Timer();
            app.Form2.refresh();
        }
    }

    model::AlarmSlot& slot(int number) {
        return app.settings.slots[static_cast<size_t>(number - 1)];
    }
    // Enables slot `number` at hour:minute every day, with its default text and sound checks.
    model::AlarmSlot& set_alarm(int number, int hour, int minute, int sound = 0) {
        model::AlarmSlot& s = slot(number);
        s.dingshi_shi.set_list_index(hour);
        s.dingshi_fen.set_list_index(minute);
        s.dingshi_shengyin.set_list_index(sound);
        s.dingshi.set_value(1);
        return s;
    }
    std::string clip(const std::string& relative) const { return "C:\\Tockly\\" + relative; }

    platform::FakeClock clock;
    platform::FakeEventQueue queue{clock};
    platform::FakePlayer player1{clock, queue, 1};
    platform::FakePlayer player2{clock, queue, 2};
    platform::FakeWaveVolume volume;
    platform::FakePower power;
    platform::FakeFileSystem files;
    platform::FakeMessageBox message_box;
    platform::FakeMessagePump pump{clock, queue};
    platform::FakeKeyboard keyboard;
    platform::FakeCalendarControl calendar;
    platform::FakeScreen screen;
    platform::FakeRegistry registry;
    platform::FakeSingleInstance single_instance;
    platform::FakeWebBrowser browser;
    platform::FakeKeyboardHook keyboard_hook;
    platform::FakePopupWindowService popup_window;
    platform::FakeFileDialog dialog;
    platform::FakeHttp http;
    platform::FakeSystemTime system_time;
    platform::FakeCalendarControl Moonleaf2;
    platform::FakeWakeTimer wake;
    shell::TocklyApp app{{clock,           player1,   player2,       volume,       power,  files,
                          message_box,     pump,      keyboard,      calendar,     screen, registry,
                          single_instance, browser,   keyboard_hook, popup_window, dialog, http,
                          system_time,     Moonleaf2, wake}};
    RecordingObserver observer;
};

}  // namespace tockly::testing
