// The notification-area icon as the tray model asks for it: notification message 2025, the
// program's icon, the tip, and the menu popped up at the mouse. It comes back when Explorer
// restarts.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "tockly/shell/tray.h"
#include "tockly/ui/controls.h"

namespace tockly::win32 {

class TrayIcon final : public shell::TrayIconService {
  public:
    // `menu_chosen` gets the element (0-14) of the menu item chosen.
    TrayIcon(HWND owner, HICON icon, const std::array<ui::MenuItem, 15>& menu,
             std::function<void(int element)> menu_chosen);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void icon_changed(bool installed, const std::string& tip) override;
    void menu_requested() override;
    void balloon(const std::string& text) override;
    // Explorer's restart message; true when `message` was it.
    bool handle_taskbar_created(UINT message);

  private:
    NOTIFYICONDATAW record(UINT flags) const;
    void add();
    void remove();

    HWND owner_;
    HICON icon_;
    const std::array<ui::MenuItem, 15>& menu_;
    std::function<void(int element)> menu_chosen_;
    std::wstring tip_;
    bool added_ = false;
    UINT taskbar_created_;
};

}  // namespace tockly::win32
