#include "tockly/platform/fakes/fake_events.h"

namespace tockly::platform {

void FakeEventQueue::post(double at, std::function<void()> event) {
    events_.emplace(std::make_pair(at, sequence_++), std::move(event));
}

void FakeEventQueue::deliver_due(double now) {
    while (!events_.empty() && events_.begin()->first.first <= now) {
        auto event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        event();
    }
}

void FakeMessagePump::process_pending_messages() {
    ++rounds_;
    clock_.advance(step_);
    queue_.deliver_due(clock_.absolute_seconds());
}

}  // namespace tockly::platform
