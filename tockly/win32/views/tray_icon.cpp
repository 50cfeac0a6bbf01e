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
                   std::function<void(int element)> menu_chosen)
    : owner_(owner),
      icon_(icon),
      menu_(menu),
      menu_chosen_(std::move(menu_chosen)),
      taskbar_created_(::RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
    remove();
}

NOTIFYICONDATAW TrayIcon::record(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = 0;
    data.uFlags = flags;
    data.uCallbackMessage = static_cast<UINT>(shell::kTrayMessage);
    data.hIcon = icon_;
    ::lstrcpynW(data.szTip, tip_.c_str(), ARRAYSIZE(data.szTip));
    return data;
}

void TrayIcon::add() {
    NOTIFYICONDATAW data = record(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    added_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TrayIcon::remove() {
    if (!added_) return;
    NOTIFYICONDATAW data = record(0);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

void TrayIcon::icon_changed(bool installed, const std::string& tip) {
    if (!installed) {
        remove();
        return;
    }
    std::wstring text = common::win32::utf16_from_utf8(tip);
    if (!added_) {
        tip_ = std::move(text);
        add();
        return;
    }
    if (text == tip_) return;
    tip_ = std::move(text);
    NOTIFYICONDATAW data = record(NIF_TIP);
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::balloon(const std::string& text) {
    if (!added_) return;
    NOTIFYICONDATAW data = record(NIF_INFO);
    ::lstrcpynW(data.szInfo, common::win32::utf16_from_utf8(text).c_str(), ARRAYSIZE(data.szInfo));
    data.dwInfoFlags = NIIF_INFO;
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool TrayIcon::handle_taskbar_created(UINT message) {
    if (message != taskbar_created_) return false;
    // Explorer restarted and forgot every icon; one that was up comes back.
    if (added_) add();
    return true;
}

void TrayIcon::menu_requested() {
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
    if (command >= kFirstCommand && menu_chosen_) menu_chosen_(command - kFirstCommand);
}

}  // namespace tockly::win32
