#pragma once

#include <optional>
#include <vector>

#include "tockly/platform/wake_timer.h"

namespace tockly::platform {

// Records every setting of the timer and the awake request.
class FakeWakeTimer : public WakeTimer {
  public:
    void set_for(std::optional<common::OleDate> moment) override { settings.push_back(moment); }
    void keep_awake(bool ringing) override { awake = ringing; }

    std::vector<std::optional<common::OleDate>> settings;
    bool awake = false;
};

}  // namespace tockly::platform
