#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "tockly/platform/message_pump.h"
#include "tools/tockly-sim/sim_clock.h"

namespace tockly::sim {

// The simulated message queue: events posted for a moment in whole milliseconds, delivered in
// time order (posting order for equal moments), the clock standing at each event's moment.
class SimEventQueue {
  public:
    explicit SimEventQueue(SimClock& clock) : clock_(clock) {}

    void post(std::int64_t at_ms, std::function<void()> event);
    // Delivers everything due up to `until_ms`, including events those events post, and leaves
    // the clock at `until_ms` (or later, if a delivered event moved it on).
    void deliver_until(std::int64_t until_ms);

  private:
    SimClock& clock_;
    std::map<std::pair<std::int64_t, long>, std::function<void()>> events_;
    long sequence_ = 0;
};

// A procedure that waits with message processing (stopping a player) gets what is due now.
// Time stands still while it does, so that stops cost no simulated time; only a wait that
// goes on for many rounds at one moment (for something that never comes) sees the clock move,
// so that it still ends.
class SimMessagePump : public platform::MessagePump {
  public:
    SimMessagePump(SimClock& clock, SimEventQueue& queue) : clock_(clock), queue_(queue) {}
    void process_pending_messages() override;

  private:
    SimClock& clock_;
    SimEventQueue& queue_;
    std::int64_t round_ms_ = -1;
    int rounds_at_this_ms_ = 0;
};

}  // namespace tockly::sim
