// The real Windows services the program runs on, built once by wWinMain.
#pragma once

#include "common/ole_date.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/win32/clock_win32.h"
#include "tockly/platform/win32/file_dialog_win32.h"
#include "tockly/platform/win32/file_system_win32.h"
#include "tockly/platform/win32/http_win32.h"
#include "tockly/platform/win32/keyboard_win32.h"
#include "tockly/platform/win32/message_box_win32.h"
#include "tockly/platform/win32/player_win32.h"
#include "tockly/platform/win32/power_win32.h"
#include "tockly/platform/win32/registry_win32.h"
#include "tockly/platform/win32/screen_win32.h"
#include "tockly/platform/win32/single_instance_win32.h"
#include "tockly/platform/win32/system_time_win32.h"
#include "tockly/platform/win32/wave_volume_win32.h"
#include "tockly/platform/win32/web_browser_win32.h"
#include "tockly/win32/message_pump_win32.h"

namespace tockly::win32 {

// The two calendar places until the hosted control is wired in: a calendar that keeps its date
// and knows no lunar texts, which is what the program shows when the control is missing.
class MissingCalendar : public platform::CalendarControl {
  public:
    common::OleDate Value() const override { return value_; }
    void set_Value(common::OleDate value) override { value_ = value; }
    std::string GetChineseDate(common::OleDate) override { return {}; }
    std::string GetChineseYear(common::OleDate) override { return {}; }
    std::string GetChineseMonth(common::OleDate) override { return {}; }
    std::string GetChineseDay(common::OleDate) override { return {}; }
    std::string GetChineseAnimal(common::OleDate) override { return {}; }
    std::string GetConstellation(common::OleDate) override { return {}; }

  private:
    common::OleDate value_;
};

struct Win32Services {
    platform::Win32Clock clock;
    platform::Win32Player player1;
    platform::Win32Player player2;
    platform::Win32WaveVolume wave_volume;
    platform::Win32Power power;
    platform::Win32FileSystem files;
    platform::Win32MessageBox message_box;
    Win32MessagePump pump;
    platform::Win32Keyboard keyboard;
    platform::Win32Screen screen;
    platform::Win32SingleInstance single_instance;
    platform::Win32Registry registry;
    platform::Win32FileDialog file_dialog;
    platform::Win32WebBrowser browser;
    platform::Win32Http http;
    platform::Win32SystemTime system_time;
    MissingCalendar Moonleaf1;
    MissingCalendar Moonleaf2;
};

}  // namespace tockly::win32
