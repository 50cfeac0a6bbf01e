#pragma once

// The notification-area icon and its menu: the icon's state and tip, the rules of its
// notification message, and what each item of the main window's menu "文件" does from there.

#include <string>

#include "tockly/internet_time/time_sync.h"
#include "tockly/platform/web_browser.h"
#include "tockly/shell/main_window.h"
#include "tockly/shell/news.h"
#include "tockly/shell/unsaved_settings.h"
#include "tockly/sound/announcer.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::shell {

// The icon's notification message and the mouse events it carries.
inline constexpr int kTrayMessage = 2025;
inline constexpr int kLeftButtonUp = 514;
inline constexpr int kRightButtonUp = 517;

// What the Win32 view does with the icon when the model asks.
class TrayIconService {
  public:
    virtual ~TrayIconService() = default;
    // The icon was added (`installed`) or removed; its tip is `tip`.
    virtual void icon_changed(bool installed, const std::string& tip) {
        (void)installed;
        (void)tip;
    }
    // Make the main window the foreground window, then pop up the menu at the mouse.
    virtual void menu_requested() {}
    // A balloon from the icon with `text`.
    virtual void balloon(const std::string& text) { (void)text; }
};

class Tray : public MainWindowObserver {
  public:
    struct Services {
        MainWindow& main;
        model::SharedState& shared;
        windows::PromptWindow& prompt;
        sound::Announcer& announcer;
        platform::WebBrowser& browser;
        News& news;
        internet_time::TimeSync& time_sync;
    };
    explicit Tray(const Services& services) : s_(services) {}

    // Adds the icon with the main window's tag as its tip.
    void install();
    void remove();
    bool installed() const { return installed_; }
    const std::string& tip() const { return tip_; }

    // The notification message handler: true when the message was handled here, false when it
    // goes on to the main window's previous window procedure.
    bool handle_message(int message, int mouse_event);
    // An item of the menu chosen.
    void wenjian1_Click(int index);

    void set_icon_service(TrayIconService* service) { icon_ = service; }
    // Asked before 退出(&T) quits; none lets it quit at once.
    void set_exit_question(ExitQuestion* question) { exit_question_ = question; }

    // The main window's tag is the tip.
    void tip_changed(const std::string& tip) override;
    // Shown from the icon while it is there.
    void notice_posted(const std::string& text) override;

  private:
    Services s_;
    bool installed_ = false;
    std::string tip_;
    TrayIconService* icon_ = nullptr;
    ExitQuestion* exit_question_ = nullptr;
};

}  // namespace tockly::shell
