#include "tockly/platform/win32/power_win32.h"

#include <windows.h>

#include "common/win32/wide_text.h"
#include "tockly/platform/win32/privilege.h"

namespace tockly::platform {

namespace {

std::wstring local_computer_name_wide() {
    // One character more than the longest name, for the terminating NUL.
    wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(buffer, &size)) return {};
    return std::wstring(buffer, wcsnlen(buffer, MAX_COMPUTERNAME_LENGTH + 1));
}

}  // namespace

bool Win32Power::isNtPlatform() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return false;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

void Win32Power::enableShutdownPrivilege() {
    const std::wstring computer = local_computer_name_wide();
    enable_privilege(computer.empty() ? nullptr : computer.c_str(), L"SeShutdownPrivilege");
}

void Win32Power::exitWindows(unsigned flags) {
    ExitWindowsEx(flags, 0);
}

std::string localComputerName() {
    return common::win32::utf8_from_utf16(local_computer_name_wide());
}

}  // namespace tockly::platform
