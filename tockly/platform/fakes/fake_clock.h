#pragma once

// A clock that stands still until told to move: for tests and for the simulator, which both
// need to put the reminder logic at an exact moment.

#include <string>

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
        kDashesPadded  // "2026-12-07"
    };

    FakeClock();

    void set(int year, int month, int day, int hour, int minute, double second);
    // Keeps the day.
    void set_time(int hour, int minute, double second);
    // Moves on, into the next days when midnight passes.
    void advance(double seconds);
    // Seconds since the start of day 0 of OLE dates: a time line without the midnight jump.
    double absolute_seconds() const { return static_cast<double>(day_) * 86400.0 + seconds_; }

    TimeStyle time_style = TimeStyle::k24Hour;
    DateStyle date_style = DateStyle::kSlashes;

    float seconds_since_midnight() const override { return static_cast<float>(seconds_); }
    common::OleDate now() const override;
    std::string time_text() const override;
    std::string short_date_text() const override { return format_short_date(now()); }
    std::string format_short_date(common::OleDate date) const override;
    std::optional<common::OleDate> parse_short_date(std::string_view text) const override;

  private:
    long day_;
    double seconds_ = 0.0;
};

// "2026/12/7" or "2026-12-07" read with its separator: year, month and day of a real calendar
// day, blanks around it allowed; nothing for anything else.
std::optional<common::OleDate> parse_numeric_date(std::string_view text, char separator);

}  // namespace tockly::platform
