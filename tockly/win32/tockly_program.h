// The running program: the reminder core on the real services, the windows that show it, the
// timers that drive it and the message loop. After every input and every tick one sync pass
// brings every window up to date with the models.
#pragma once

#include "tockly/win32/services.h"

#include <memory>

#include "tockly/shell/prompt_window_placement.h"
#include "tockly/shell/tockly_app.h"
#include "tockly/win32/views/alarm_page.h"
#include "tockly/win32/views/date_chooser_view.h"
#include "tockly/win32/views/main_window_view.h"
#include "tockly/win32/views/popup_window_service.h"
#include "tockly/win32/views/popup_window_view.h"
#include "tockly/win32/views/prompt_window_view.h"
#include "tockly/win32/views/tray_icon.h"

namespace tockly::win32 {

class TocklyProgram : private shell::MainWindowObserver {
  public:
    explicit TocklyProgram(Win32Services& services);
    TocklyProgram(const TocklyProgram&) = delete;
    TocklyProgram& operator=(const TocklyProgram&) = delete;

    // False when another copy already runs: this one then ends without a trace.
    bool start_up();
    int run_message_loop();

  private:
    void quit_requested() override;
    void build_pages();
    void place_calendars();
    void sync();
    void timer(UINT_PTR timer);
    bool main_window_message(UINT message, WPARAM wparam, LPARAM lparam);
    void tray_menu_chosen(int element);
    void restore_main_window();
    void hide_main_window();
    void close_request();
    void announce_now();
    std::string popup_fallback_text();

    Win32Services& s_;
    // Refers to popup_ below, which is built after the app but before anything opens a popup.
    PopupWindowServiceWin32 popup_service_{popup_};
    shell::TocklyApp app_;
    shell::PromptWindowPlacement placement_;
    std::unique_ptr<MainWindowView> main_;
    std::unique_ptr<PromptWindowView> prompt_;
    std::unique_ptr<TrayIcon> tray_;
    PopupWindowView popup_;
    std::unique_ptr<AlarmPageView> alarm_page_;
    std::unique_ptr<DateChooserView> date_chooser_;
    ui::Button save_button_{"保存设置"};
    // The window state the tray restores: 0 normal, 2 maximised.
    int LastState = 0;
    bool timers_running_ = false;
};

}  // namespace tockly::win32
