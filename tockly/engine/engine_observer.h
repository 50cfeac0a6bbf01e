#pragma once

#include <string>

namespace tockly::engine {

// What the reminder engine decided, for whoever wants to follow it (the simulator, logs).
class EngineObserver {
  public:
    virtual ~EngineObserver() = default;
    // An alarm slot fired; `number` is the number shown to the user (index + 1).
    virtual void alarm_fired(int number) { (void)number; }
    virtual void chime_fired() {}
    virtual void shutdown_state_changed(const std::string& state) { (void)state; }
    // The program asked to end (the quit marker is set and the main window closes).
    virtual void quit_requested() {}
};

}  // namespace tockly::engine
