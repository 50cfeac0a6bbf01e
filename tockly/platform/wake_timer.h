#pragma once

#include <optional>

#include "common/ole_date.h"

namespace tockly::platform {

// Wakes the computer from sleep for an alarm, and keeps it awake while the alarm rings.
class WakeTimer {
  public:
    virtual ~WakeTimer() = default;
    // Local date and time to wake at; nothing cancels the timer.
    virtual void set_for(std::optional<common::OleDate> moment) = 0;
    // True while an alarm rings, so that the system does not go back to sleep under it.
    virtual void keep_awake(bool ringing) = 0;
};

}  // namespace tockly::platform
