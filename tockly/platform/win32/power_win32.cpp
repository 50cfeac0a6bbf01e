#include "tockly/platform/win32/power_win32.h"

#include <windows.h>

#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"

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
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return;
    const common::win32::UniqueKernelHandle token(raw);
    const std::wstring computer = local_computer_name_wide();
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(computer.empty() ? nullptr : computer.c_str(),
                               L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        return;
    }
    TOKEN_PRIVILEGES previous = {};
    DWORD previous_size = 0;
    AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof previous, &previous,
                          &previous_size);
}

void Win32Power::exitWindows(unsigned flags) {
    ExitWindowsEx(flags, 0);
}

std::string localComputerName() {
    return common::win32::utf8_from_utf16(local_computer_name_wide());
}

}  // namespace tockly::platform
