#pragma once

#include <windows.h>

#include "tockly/platform/system_time.h"

namespace tockly::platform {

// Sets the clock with SetLocalTime after enabling "SeSystemtimePrivilege". The call itself is
// a constructor argument so that tests can stand in for it: no test may change the clock of
// the machine it runs on.
class Win32SystemTime : public SystemTime {
  public:
    using SetClock = BOOL(WINAPI*)(const SYSTEMTIME*);
    explicit Win32SystemTime(SetClock set_clock = &::SetLocalTime) : set_clock_(set_clock) {}

    SetTimeResult set_local_time(const LocalDateTime& when) override;

  private:
    SetClock set_clock_;
};

}  // namespace tockly::platform
