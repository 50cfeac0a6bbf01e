#pragma once

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
};

}  // namespace tockly::platform
