// The running program: the reminder core on the real services, the windows that show it, the
// timers that drive it and the message loop. Every input goes to a model; after every input and
// every tick one sync pass brings every window up to date with the models.
#pragma once

#include "tockly/win32/services.h"

#include <memory>

#include "tockly/shell/tockly_app.h"
#include "tockly/win32/views/alarm_page.h"
#include "tockly/win32/views/date_chooser_view.h"
#include "tockly/win32/views/main_window_view.h"
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
    void create_windows();
    void build_pages();
    void place_calendars();
    void sync();
    void timer(UINT_PTR timer);
    // The reminder tick is a one-shot timer, armed each time for just after the next whole
    // second, so that a reminder fires within milliseconds of its second.
    void arm_reminder_tick();
    // A changed clock, a resume or a suspend is looked at at once, not at the next tick.
    bool time_moved(UINT message, WPARAM wparam);
    bool main_window_message(UINT message, WPARAM wparam, LPARAM lparam);

    Win32Services& s_;
    // The popup's window is the popup model's service, so it comes before the app; its
    // handlers reach the app only once windows exist.
    PopupWindowView popup_;
    shell::TocklyApp app_;
    std::unique_ptr<MainWindowView> main_;
    std::unique_ptr<PromptWindowView> prompt_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<AlarmPageView> alarm_page_;
    std::unique_ptr<DateChooserView> date_chooser_;
};

}  // namespace tockly::win32
