#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/ole_date.h"

namespace tockly::platform {

// The system clock as the reminder logic sees it. The regional texts come from here so that no
// part of the program assumes one date or time format.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since local midnight, single precision like the system timer it stands for.
    virtual float seconds_since_midnight() const = 0;
    // Local date and time.
    virtual common::OleDate now() const = 0;
    // The current time written the way the regional settings write it ("23:05:09",
    // "下午 1:05:09", "1:05:09 PM" ...).
    virtual std::string time_text() const = 0;
    // Today's date in the regional short date format ("2026/12/7", "2026-12-07" ...).
    virtual std::string short_date_text() const = 0;
    // Any date in that same short date format.
    virtual std::string format_short_date(common::OleDate date) const = 0;
    // A short date text read back as the regional settings read it; nothing when it is no date.
    virtual std::optional<common::OleDate> parse_short_date(std::string_view text) const = 0;
};

}  // namespace tockly::platform
