#pragma once

// The main window's public variables that several subsystems read and write. The shutdown state
// reports its changes so that observers (the simulator, later the tray) can follow it.

#include <functional>
#include <optional>
#include <string>

namespace tockly::engine {

inline constexpr const char* kShutdownPending = "准备关机";  // countdown running
inline constexpr const char* kShutdownFinal = "真正关机";    // final warning given
inline constexpr const char* kQuitting = "关闭";

class SharedState {
  public:
    // Shutdown state: empty, "准备关机" or "真正关机".
    const std::string& shifouguanji() const { return shifouguanji_; }
    void set_shifouguanji(std::string state) {
        if (state == shifouguanji_) return;
        shifouguanji_ = std::move(state);
        if (on_shutdown_state_change) on_shutdown_state_change(shifouguanji_);
    }
    std::function<void(const std::string&)> on_shutdown_state_change;

    // Seconds since midnight at which the countdown started; nothing before the first one.
    std::optional<double> guanjiyanshi;
    // "关闭" once the program is really quitting, so that closing the main window quits.
    std::string shifouguanbi;

  private:
    std::string shifouguanji_;
};

}  // namespace tockly::engine
