#pragma once

// Followers of a model that only watch it (the simulator, tests): any number of them, each
// added and removed by its owner. The program's views never need one; they read the models.

#include <algorithm>
#include <vector>

namespace tockly::ui {

template <typename Tap>
class Taps {
  public:
    void add(Tap* tap) { taps_.push_back(tap); }
    void remove(Tap* tap) {
        taps_.erase(std::remove(taps_.begin(), taps_.end(), tap), taps_.end());
    }

    // Calls `event` on each tap; a tap may remove itself meanwhile.
    template <typename Event>
    void tell(Event event) const {
        const std::vector<Tap*> now = taps_;
        for (Tap* tap : now) event(*tap);
    }

  private:
    std::vector<Tap*> taps_;
};

}  // namespace tockly::ui
