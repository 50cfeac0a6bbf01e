#include "tockly/platform/fakes/fake_events.h"

namespace tockly::platform {

void FakeEventQueue::post(std::int64_t at_ms, std::function<void()> event) {
    events_.emplace(std::pair(at_ms, sequence_++), std::move(event));
}

void FakeEventQueue::deliver_until(std::int64_t until_ms) {
    while (!events_.empty() && events_.begin()->first.first <= until_ms) {
        const auto first = events_.begin();
        if (first->first.first > clock_.now_ms()) clock_.set_ms(first->first.first);
        std::function<void()> event = std::move(first->second);
        events_.erase(first);
        event();
    }
    if (clock_.now_ms() < until_ms) clock_.set_ms(until_ms);
}

void FakeMessagePump::process_pending_messages() {
    constexpr int kRoundsBeforeTimeMoves = 100;
    ++rounds_;
    if (round_ms_ != clock_.now_ms()) {
        round_ms_ = clock_.now_ms();
        rounds_at_this_ms_ = 0;
    }
    if (++rounds_at_this_ms_ > kRoundsBeforeTimeMoves) clock_.set_ms(clock_.now_ms() + 1);
    queue_.deliver_until(clock_.now_ms());
}

}  // namespace tockly::platform
