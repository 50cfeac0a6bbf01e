// The real Windows services the program runs on, built once by wWinMain after COM is
// initialised (the calendars are created at once).
#pragma once

#include <windows.h>
// The core's message box service shares its name with a macro of the Windows header, which
// would rename the class in the files that include both.
#undef MessageBox

#include "tockly/platform/keyboard_hook.h"
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
#include "tockly/platform/win32/wake_timer_win32.h"
#include "tockly/platform/win32/wave_volume_win32.h"
#include "tockly/platform/win32/web_browser_win32.h"
#include "tockly/win32/calendar/moonleaf_calendar.h"
#include "tockly/win32/message_pump_win32.h"

namespace tockly::win32 {

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
    platform::NoKeyboardHook keyboard_hook;
    // The date lookup page's calendar and the date chooser's.
    MoonleafCalendar Moonleaf1;
    MoonleafCalendar Moonleaf2;
    platform::Win32WakeTimer wake_timer;
};

}  // namespace tockly::win32
