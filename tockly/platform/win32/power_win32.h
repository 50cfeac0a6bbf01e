#pragma once

#include <string>

#include "tockly/platform/power.h"

namespace tockly::platform {

// Ending the session through the system's exit call, with the shutdown privilege enabled
// first on the NT family.
class Win32Power : public Power {
  public:
    bool isNtPlatform() override;
    void enableShutdownPrivilege() override;
    void exitWindows(unsigned flags) override;
};

// The computer's name as UTF-8; empty when the system does not give it.
std::string localComputerName();

}  // namespace tockly::platform
