#pragma once

// A stand-in for the window message loop: events posted for a moment of the fake clock's time
// line, delivered in time order with the clock standing at each event's moment.

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/message_pump.h"

namespace tockly::platform {

class FakeEventQueue {
  public:
    explicit FakeEventQueue(FakeClock& clock) : clock_(clock) {}

    // `at_ms` is on FakeClock::now_ms' time line.
    void post(std::int64_t at_ms, std::function<void()> event);
    // Delivers everything due up to `until_ms` in time order (posting order for equal
    // moments), including events those events post, and leaves the clock at `until_ms` (or
    // later, if a delivered event moved it on).
    void deliver_until(std::int64_t until_ms);

  private:
    FakeClock& clock_;
    std::map<std::pair<std::int64_t, long>, std::function<void()>> events_;
    long sequence_ = 0;
};

// A procedure that waits with message processing (stopping a player) gets what is due now.
// Time stands still while it does, so that stops cost no time; only a wait that goes on for
// many rounds at one moment (for something that never comes) sees the clock move, so that it
// still ends.
class FakeMessagePump : public MessagePump {
  public:
    FakeMessagePump(FakeClock& clock, FakeEventQueue& queue) : clock_(clock), queue_(queue) {}

    void process_pending_messages() override;
    int rounds() const { return rounds_; }

  private:
    FakeClock& clock_;
    FakeEventQueue& queue_;
    int rounds_ = 0;
    std::int64_t round_ms_ = -1;
    int rounds_at_this_ms_ = 0;
};

}  // namespace tockly::platform
