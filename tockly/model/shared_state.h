#pragma once

// The main window's public variables that several subsystems read and write. The shutdown state
// reports its changes so that observers (the simulator, the tray) can follow it.

#include <optional>
#include <string>

namespace tockly::model {

inline constexpr const char* kShutdownPending = "准备关机";  // countdown running
inline constexpr const char* kShutdownFinal = "真正关机";    // final warning given
inline constexpr const char* kQuitting = "关闭";

class SharedStateObserver {
  public:
    virtual ~SharedStateObserver() = default;
    virtual void shutdown_state_changed(const std::string& state) { (void)state; }
};

class SharedState {
  public:
    // Shutdown state: empty, "准备关机" or "真正关机".
    const std::string& shifouguanji() const { return shifouguanji_; }
    void set_shifouguanji(std::string state) {
        if (state == shifouguanji_) return;
        shifouguanji_ = std::move(state);
        if (observer_) observer_->shutdown_state_changed(shifouguanji_);
    }
    void set_observer(SharedStateObserver* observer) { observer_ = observer; }

    // Seconds since midnight at which the countdown started; nothing before the first one.
    std::optional<double> guanjiyanshi;
    // "关闭" once the program is really quitting, so that closing the main window quits.
    std::string shifouguanbi;

  private:
    std::string shifouguanji_;
    SharedStateObserver* observer_ = nullptr;
};

}  // namespace tockly::model
