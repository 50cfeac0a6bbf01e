#include "tockly/platform/win32/privilege.h"

#include <windows.h>

#include "common/win32/unique_handle.h"

namespace tockly::platform {

bool enable_privilege(const wchar_t* system, const wchar_t* privilege) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
        return false;
    }
    const common::win32::UniqueKernelHandle token(raw);
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(system, privilege, &privileges.Privileges[0].Luid)) return false;
    // The call succeeds even when the token lacks the privilege; only the last error says so.
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) {
        return false;
    }
    return GetLastError() == ERROR_SUCCESS;
}

}  // namespace tockly::platform
