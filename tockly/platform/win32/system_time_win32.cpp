#include "tockly/platform/win32/system_time_win32.h"

#include "common/win32/system_error.h"
#include "tockly/platform/win32/privilege.h"

namespace tockly::platform {

SetTimeResult Win32SystemTime::set_local_time(const LocalDateTime& when) {
    // A token without the privilege is no reason not to try: the clock call then gives the
    // system's own answer.
    enable_privilege(nullptr, L"SeSystemtimePrivilege");
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    time.wHour = static_cast<WORD>(when.hour);
    time.wMinute = static_cast<WORD>(when.minute);
    time.wSecond = static_cast<WORD>(when.second);
    if (!set_clock_(&time)) {
        const DWORD code = GetLastError();
        const bool not_permitted = code == ERROR_PRIVILEGE_NOT_HELD || code == ERROR_ACCESS_DENIED;
        return {false, not_permitted, common::win32::system_error_text(code)};
    }
    // The first call converts with the daylight-saving rule in force before it; when the new
    // time lies on the other side of a change, only a second call gets the hour right.
    set_clock_(&time);
    return {true, false, {}};
}

}  // namespace tockly::platform
