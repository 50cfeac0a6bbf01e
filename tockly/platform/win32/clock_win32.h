#pragma once

#include <optional>
#include <string_view>

#include "tockly/platform/clock.h"

namespace tockly::platform {

// The local clock, with the time and short date written as the user's regional settings
// write them.
class Win32Clock : public Clock {
  public:
    float seconds_since_midnight() const override;
    common::OleDate now() const override;
    std::string time_text() const override;
    std::string short_date_text() const override;
    // Any date in the regional short date format.
    std::string format_short_date(common::OleDate date) const;
    // A date text read the way the system reads dates typed by its user (the regional order
    // of day, month and year); nothing when it is no date.
    std::optional<common::OleDate> parse_short_date(std::string_view text) const;
};

}  // namespace tockly::platform
