#include "tockly/platform/win32/message_box_win32.h"

#include <windows.h>

#include "common/win32/wide_text.h"

namespace tockly::platform {

int Win32MessageBox::show(const std::string& text, int buttons, const std::string& title) {
    using common::win32::utf16_from_utf8;
    // The button codes of the interface are the system's own (MB_OK, MB_YESNO; IDOK, IDYES,
    // IDNO), so they pass through unchanged.
    return MessageBoxW(GetActiveWindow(), utf16_from_utf8(text).c_str(),
                       utf16_from_utf8(title).c_str(), static_cast<UINT>(buttons));
}

}  // namespace tockly::platform
