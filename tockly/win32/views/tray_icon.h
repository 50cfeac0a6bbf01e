// The notification-area icon: notification message 2025, the program's icon, the tip from the
// main window's tag, and the tray menu popped up at the mouse. It comes back when Explorer
// restarts.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "tockly/ui/controls.h"

namespace tockly::win32 {

inline constexpr UINT kTrayMessage = 2025;

class TrayIcon {
  public:
    struct Handlers {
        // A left click on the icon.
        std::function<void()> left_click;
        // The element (0-14) of the menu item chosen.
        std::function<void(int element)> menu_chosen;
    };
    TrayIcon(HWND owner, HICON icon, const std::array<ui::MenuItem, 15>& menu, Handlers handlers);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void set_tip(const std::string& tip);
    // The owner's messages; true when it was the icon's.
    bool handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    NOTIFYICONDATAW record(UINT flags) const;
    void add();
    void pop_up_menu();

    HWND owner_;
    HICON icon_;
    const std::array<ui::MenuItem, 15>& menu_;
    Handlers handlers_;
    std::wstring tip_;
    UINT taskbar_created_;
};

}  // namespace tockly::win32
