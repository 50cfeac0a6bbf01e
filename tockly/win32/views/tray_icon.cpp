#include "tockly/win32/views/tray_icon.h"

#include <shellapi.h>

#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"

namespace tockly::win32 {

namespace {

// Menu command identifiers are the element numbers shifted past 0, which means "nothing".
constexpr int kFirstCommand = 1;

}  // namespace

TrayIcon::TrayIcon(HWND owner, HICON icon, const std::array<ui::MenuItem, 15>& menu,
                   Handlers handlers)
    : owner_(owner),
      icon_(icon),
      menu_(menu),
      handlers_(std::move(handlers)),
      taskbar_created_(::RegisterWindowMessageW(L"TaskbarCreated")) {
    add();
}

TrayIcon::~TrayIcon() {
    NOTIFYICONDATAW data = record(0);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
}

NOTIFYICONDATAW TrayIcon::record(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = 0;
    data.uFlags = flags;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon_;
    ::lstrcpynW(data.szTip, tip_.c_str(), ARRAYSIZE(data.szTip));
    return data;
}

void TrayIcon::add() {
    NOTIFYICONDATAW data = record(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    ::Shell_NotifyIconW(NIM_ADD, &data);
}

void TrayIcon::set_tip(const std::string& tip) {
    std::wstring text = common::win32::utf16_from_utf8(tip);
    if (text == tip_) return;
    tip_ = std::move(text);
    NOTIFYICONDATAW data = record(NIF_TIP);
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool TrayIcon::handle(UINT message, WPARAM, LPARAM lparam) {
    if (message == taskbar_created_) {
        // Explorer restarted and forgot every icon.
        add();
        return true;
    }
    if (message != kTrayMessage) return false;
    if (lparam == WM_LBUTTONUP) {
        if (handlers_.left_click) handlers_.left_click();
        return true;
    }
    if (lparam == WM_RBUTTONUP) {
        pop_up_menu();
        return true;
    }
    return false;
}

void TrayIcon::pop_up_menu() {
    common::win32::UniqueMenu menu(::CreatePopupMenu());
    for (size_t i = 0; i < menu_.size(); ++i) {
        const ui::MenuItem& item = menu_[i];
        if (!item.visible) continue;
        if (item.caption == "-") {
            ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags =
            MF_STRING | (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        ::AppendMenuW(menu.get(), flags, kFirstCommand + i,
                      common::win32::utf16_from_utf8(item.caption).c_str());
    }
    POINT at{};
    ::GetCursorPos(&at);
    // The window must be in the foreground before the menu, or the menu does not close.
    ::SetForegroundWindow(owner_);
    const int command = static_cast<int>(
        ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0,
                         owner_, nullptr));
    ::PostMessageW(owner_, WM_NULL, 0, 0);
    if (command >= kFirstCommand && handlers_.menu_chosen)
        handlers_.menu_chosen(command - kFirstCommand);
}

}  // namespace tockly::win32
