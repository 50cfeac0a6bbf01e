#include <gtest/gtest.h>

#include <windows.h>

#include <oleauto.h>

#include <cmath>

#include "common/win32/wide_text.h"
#include "tockly/platform/win32/clock_win32.h"

namespace tockly::platform {
namespace {

using common::OleDate;

// The regional time text, whatever its format here, reads back (as the system reads times) as
// the clock's time.
TEST(Win32Clock, TimeTextReadsBackAsTheClock) {
    Win32Clock clock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        std::wstring text = common::win32::utf16_from_utf8(clock.time_text());
        GetLocalTime(&after);
        if (before.wSecond != after.wSecond) continue;  // the second turned meanwhile
        DATE time = 0;
        ASSERT_EQ(VarDateFromStr(text.data(), LOCALE_USER_DEFAULT, 0, &time), S_OK);
        const double seconds = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
        EXPECT_NEAR(std::fmod(time, 1.0) * 86400, seconds, 0.5);
        return;
    }
    FAIL() << "the clock never held still for a second";
}

TEST(Win32Clock, ShortDatesReadBack) {
    Win32Clock clock;
    for (const OleDate date : {OleDate::from_ymd(2026, 12, 7), OleDate::from_ymd(2000, 1, 31),
                               OleDate::from_ymd(2010, 4, 5)}) {
        EXPECT_EQ(clock.parse_short_date(clock.format_short_date(date)), date)
            << clock.format_short_date(date);
    }
    EXPECT_EQ(clock.parse_short_date(clock.short_date_text()), clock.now().date_only());
    // The time page writes its date this way.
    EXPECT_EQ(clock.parse_short_date("2010-4-5"), OleDate::from_ymd(2010, 4, 5));
    EXPECT_EQ(clock.parse_short_date("no date"), std::nullopt);
    EXPECT_EQ(clock.parse_short_date(""), std::nullopt);
}

}  // namespace
}  // namespace tockly::platform
