#pragma once

// A clock that stands still until told to move, in whole milliseconds so that 200 ms timer
// steps land exactly on whole seconds: for the tests and for tockly-sim, which both need to put
// the reminder logic at an exact moment.

#include <cstdint>
#include <string>

#include "common/ole_date.h"
#include "tockly/platform/clock.h"

namespace tockly::platform {

class FakeClock : public Clock {
  public:
    // How the regional settings write a time.
    enum class TimeStyle {
        k24Hour,       // "9:05:09", "21:05:09"
        kMarkerFirst,  // "上午 9:05:09", "下午 9:05:09"
        kMarkerLast,   // "9:05:09 AM", "9:05:09 PM"
    };
    // How the regional settings write a short date.
    enum class DateStyle {
        kSlashes,      // "2026/12/7"
        kDashes,       // "2026-12-7"
        kDashesPadded  // "2026-12-07"
    };

    // 2026-01-01 00:00:00.000.
    FakeClock();
    // `ms` since 1899-12-30 00:00, the start of OLE dates.
    explicit FakeClock(std::int64_t ms) : now_ms_(ms) {}

    static std::int64_t ms_of(const common::YearMonthDay& date, int hour, int minute, int second);
    // Milliseconds since that moment's midnight.
    static std::int64_t ms_of_day(std::int64_t ms);

    void set(int year, int month, int day, int hour, int minute, double second);
    // Keeps the day.
    void set_time(int hour, int minute, double second);
    // Moves on, into the next days when midnight passes.
    void advance(double seconds) { now_ms_ += static_cast<std::int64_t>(seconds * 1000 + 0.5); }
    std::int64_t now_ms() const { return now_ms_; }
    void set_ms(std::int64_t ms) { now_ms_ = ms; }
    // Seconds on the same time line, without the midnight jump.
    double absolute_seconds() const { return static_cast<double>(now_ms_) / 1000.0; }

    TimeStyle time_style = TimeStyle::k24Hour;
    DateStyle date_style = DateStyle::kSlashes;

    float seconds_since_midnight() const override;
    common::OleDate now() const override;
    std::string time_text() const override;
    std::string short_date_text() const override { return format_short_date(now()); }
    std::string format_short_date(common::OleDate date) const override;
    std::optional<common::OleDate> parse_short_date(std::string_view text) const override;

  private:
    std::int64_t now_ms_;
};

// "2026/12/7" or "2026-12-07" read with its separator: year, month and day of a real calendar
// day, blanks around it allowed; nothing for anything else.
std::optional<common::OleDate> parse_numeric_date(std::string_view text, char separator);

}  // namespace tockly::platform
