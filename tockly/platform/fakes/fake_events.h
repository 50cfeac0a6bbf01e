#pragma once

// A stand-in for the window message loop: events posted for a moment of the fake clock's time
// line, delivered when the loop (or a waiting procedure) processes messages.

#include <functional>
#include <map>
#include <utility>

#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/message_pump.h"

namespace tockly::platform {

class FakeEventQueue {
  public:
    // `at` is on FakeClock::absolute_seconds' time line.
    void post(double at, std::function<void()> event);
    // Delivers every event due at `now`, in time order (posting order for equal times),
    // including events posted by the events themselves.
    void deliver_due(double now);

  private:
    std::map<std::pair<double, long>, std::function<void()>> events_;
    long sequence_ = 0;
};

// Each round of message processing lets `step` seconds pass and delivers what is due, so a
// procedure that waits on the clock always comes to an end.
class FakeMessagePump : public MessagePump {
  public:
    FakeMessagePump(FakeClock& clock, FakeEventQueue& queue, double step = 0.01)
        : clock_(clock), queue_(queue), step_(step) {}

    void process_pending_messages() override;
    int rounds() const { return rounds_; }

  private:
    FakeClock& clock_;
    FakeEventQueue& queue_;
    double step_;
    int rounds_ = 0;
};

}  // namespace tockly::platform
