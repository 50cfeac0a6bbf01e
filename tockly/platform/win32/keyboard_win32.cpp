#include "tockly/platform/win32/keyboard_win32.h"

#include <windows.h>

namespace tockly::platform {

bool Win32Keyboard::key_is_down(int code) {
    // The most significant bit is the "down now" state; the lowest one only says "pressed
    // since the last call", which another program's call may already have consumed.
    return (GetAsyncKeyState(code) & 0x8000) != 0;
}

}  // namespace tockly::platform
