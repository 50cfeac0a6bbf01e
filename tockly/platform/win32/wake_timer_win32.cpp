#include "tockly/platform/win32/wake_timer_win32.h"

#include <cmath>

namespace tockly::platform {

namespace {

// The local moment as a UTC file time, as the timer's absolute due time wants it.
std::optional<LARGE_INTEGER> utc_due_time(common::OleDate local) {
    const common::YearMonthDay day = local.ymd();
    const double seconds = std::floor(local.time_of_day() * 86400.0 + 0.5);
    const auto whole = static_cast<long>(seconds);
    SYSTEMTIME local_time{};
    local_time.wYear = static_cast<WORD>(day.year);
    local_time.wMonth = static_cast<WORD>(day.month);
    local_time.wDay = static_cast<WORD>(day.day);
    local_time.wHour = static_cast<WORD>(whole / 3600);
    local_time.wMinute = static_cast<WORD>(whole / 60 % 60);
    local_time.wSecond = static_cast<WORD>(whole % 60);
    SYSTEMTIME utc{};
    FILETIME file_time{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &local_time, &utc) ||
        !::SystemTimeToFileTime(&utc, &file_time))
        return std::nullopt;
    LARGE_INTEGER due{};
    due.LowPart = file_time.dwLowDateTime;
    due.HighPart = static_cast<LONG>(file_time.dwHighDateTime);
    return due;
}

}  // namespace

Win32WakeTimer::Win32WakeTimer()
    : timer_(::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS)) {}

Win32WakeTimer::~Win32WakeTimer() {
    keep_awake(false);
}

void Win32WakeTimer::set_for(std::optional<common::OleDate> moment) {
    if (!timer_) return;
    const std::optional<LARGE_INTEGER> due = moment ? utc_due_time(*moment) : std::nullopt;
    if (!due) {
        ::CancelWaitableTimer(timer_.get());
        return;
    }
    // fResume: the system wakes from sleep for it. Without the privilege the timer still runs.
    ::SetWaitableTimer(timer_.get(), &*due, 0, nullptr, nullptr, TRUE);
}

void Win32WakeTimer::keep_awake(bool ringing) {
    ::SetThreadExecutionState(ringing ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}

}  // namespace tockly::platform
