#include "tockly/platform/win32/clock_win32.h"

#include <windows.h>

#include <oleauto.h>

#include <iterator>

#include "common/win32/wide_text.h"

namespace tockly::platform {

namespace {

SYSTEMTIME local_now() {
    SYSTEMTIME time = {};
    GetLocalTime(&time);
    return time;
}

double seconds_of_day(const SYSTEMTIME& time) {
    return time.wHour * 3600.0 + time.wMinute * 60.0 + time.wSecond + time.wMilliseconds / 1000.0;
}

std::string text_of(wchar_t* buffer, int length) {
    // The length counts the terminating NUL; 0 means the system could not write it.
    return length > 0 ? common::win32::utf8_from_utf16(std::wstring_view(buffer, length - 1))
                      : std::string();
}

std::string short_date_of(const SYSTEMTIME& time) {
    wchar_t buffer[80];
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                       buffer, static_cast<int>(std::size(buffer)), nullptr);
    return text_of(buffer, length);
}

}  // namespace

float Win32Clock::seconds_since_midnight() const {
    return static_cast<float>(seconds_of_day(local_now()));
}

common::OleDate Win32Clock::now() const {
    const SYSTEMTIME time = local_now();
    const common::OleDate day = common::OleDate::from_ymd(time.wYear, time.wMonth, time.wDay);
    return common::OleDate(day.serial() + seconds_of_day(time) / 86400.0);
}

std::string Win32Clock::time_text() const {
    const SYSTEMTIME time = local_now();
    wchar_t buffer[80];
    return text_of(buffer, GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, buffer,
                                           static_cast<int>(std::size(buffer))));
}

std::string Win32Clock::short_date_text() const {
    return short_date_of(local_now());
}

std::string Win32Clock::format_short_date(common::OleDate date) const {
    const common::YearMonthDay day = date.ymd();
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(day.year);
    time.wMonth = static_cast<WORD>(day.month);
    time.wDay = static_cast<WORD>(day.day);
    return short_date_of(time);
}

std::optional<common::OleDate> Win32Clock::parse_short_date(std::string_view text) const {
    std::wstring wide = common::win32::utf16_from_utf8(text);
    DATE date = 0;
    // The system's own reading of a typed date, the one its users expect.
    if (wide.empty() || FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &date))) {
        return std::nullopt;
    }
    return common::OleDate(date);
}

}  // namespace tockly::platform
