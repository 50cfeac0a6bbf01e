#pragma once

#include <string>

namespace tockly::platform {

// Exit options of the system's exit call.
namespace exit_flags {
inline constexpr unsigned kLogOff = 0;
inline constexpr unsigned kShutDown = 1;
inline constexpr unsigned kReboot = 2;
inline constexpr unsigned kForce = 4;
}  // namespace exit_flags

// Logging off, rebooting or switching off the computer.
class Power {
  public:
    virtual ~Power() = default;
    // True on the NT family, where a shutdown needs the shutdown privilege first.
    virtual bool isNtPlatform() = 0;
    // Enables "SeShutdownPrivilege" on the own process token; failures are ignored.
    virtual void enableShutdownPrivilege() = 0;
    // Asks the system to end the session with the given exit flags; the result is ignored.
    virtual void exitWindows(unsigned flags) = 0;
};

}  // namespace tockly::platform
