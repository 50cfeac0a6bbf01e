#pragma once

// The main window's public variables that several subsystems read and write. The shutdown state
// reports its changes to taps (the simulator, tests).

#include <cmath>
#include <optional>
#include <string>

#include "tockly/ui/taps.h"

namespace tockly::model {

inline constexpr const char* kShutdownPending = "准备关机";  // countdown running
inline constexpr const char* kShutdownFinal = "真正关机";    // final warning given
inline constexpr const char* kQuitting = "关闭";

// The countdown's start as seen from `now`: a start more than 80,000 s away was taken before
// midnight passed, so it lies a day earlier.
inline double countdown_start_seen_from(double start, double now) {
    return std::fabs(now - start) > 80000 ? start - 86400 : start;
}

class SharedStateTap {
  public:
    virtual ~SharedStateTap() = default;
    virtual void shutdown_state_changed(const std::string& state) { (void)state; }
};

class SharedState {
  public:
    // Shutdown state: empty, "准备关机" or "真正关机".
    const std::string& shifouguanji() const { return shifouguanji_; }
    void set_shifouguanji(std::string state) {
        if (state == shifouguanji_) return;
        shifouguanji_ = std::move(state);
        taps.tell([this](SharedStateTap& tap) { tap.shutdown_state_changed(shifouguanji_); });
    }
    ui::Taps<SharedStateTap> taps;

    // Seconds since midnight at which the countdown started; nothing before the first one.
    std::optional<double> guanjiyanshi;
    // "关闭" once the program is really quitting, so that closing the main window quits.
    std::string shifouguanbi;

  private:
    std::string shifouguanji_;
};

}  // namespace tockly::model
