#include "tockly/platform/win32/web_browser_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "common/win32/wide_text.h"

namespace tockly::platform {

bool Win32WebBrowser::open_page(const std::string& address) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", common::win32::utf16_from_utf8(address).c_str(), nullptr,
                      nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success; the function returns them in a handle for old reasons.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace tockly::platform
