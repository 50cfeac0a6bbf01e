#pragma once

#include <windows.h>

#include "common/win32/unique_handle.h"
#include "tockly/platform/wake_timer.h"

namespace tockly::platform {

// A waitable timer that resumes the system from sleep at the alarm's moment, and the execution
// state that keeps the system from sleeping again while the alarm rings.
class Win32WakeTimer : public WakeTimer {
  public:
    Win32WakeTimer();
    ~Win32WakeTimer() override;
    Win32WakeTimer(const Win32WakeTimer&) = delete;
    Win32WakeTimer& operator=(const Win32WakeTimer&) = delete;

    void set_for(std::optional<common::OleDate> moment) override;
    void keep_awake(bool ringing) override;

    // Signalled at the moment set, for whoever waits on it (the checks).
    HANDLE timer() const { return timer_.get(); }

  private:
    common::win32::UniqueKernelHandle timer_;
};

}  // namespace tockly::platform
