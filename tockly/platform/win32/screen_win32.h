#pragma once

#include "tockly/platform/monitor_screen.h"

namespace tockly::platform {

// The primary monitor and its work area, at that monitor's DPI. The DPI is the real one only in
// a process that declares itself DPI-aware per monitor (the program's manifest); otherwise the
// system reports 96.
class Win32Screen : public MonitorScreen {
  protected:
    MonitorPixels measure() override;
};

}  // namespace tockly::platform
