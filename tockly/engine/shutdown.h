#pragma once

// The scheduled shutdown: three minutes after an alarm that carries it, with spoken warnings
// at fixed points, then the windows close and the system is asked to switch off.

#include <optional>
#include <string>

#include "tockly/engine/main_window_delegate.h"
#include "tockly/model/shared_state.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/power.h"
#include "tockly/sound/announcer.h"
#include "tockly/windows/prompt_display.h"

namespace tockly::engine {

class Shutdown : public sound::FinalWarningListener {
  public:
    struct Services {
        platform::Clock& clock;
        platform::Power& power;
        model::SharedState& shared;
        sound::Announcer& announcer;
        windows::PromptDisplay& prompt;
        MainWindowDelegate& main;
    };
    explicit Shutdown(const Services& services) : s_(services) {}

    // Starts the countdown now.
    void arm();
    // One step of a running countdown, made by the reminder tick.
    void countdown_step();
    // After the final warning clip: close everything and switch the computer off.
    void final_action();
    void final_warning_ended() override { final_action(); }
    // "关机", "重启" or "注销"; any other text only closes the program.
    void qvx_guanjichuli(const std::string& qvxstr);

    // When each warning was last started; nothing for never (0 is a stamp taken at midnight).
    std::optional<float> warnGuardTime3m;
    std::optional<float> warnGuardTime2m;
    std::optional<float> warnGuardTime1m;
    std::optional<float> warnGuardTime13s;

  private:
    void warn(std::optional<float>& stamp, const char* kind);

    Services s_;
};

}  // namespace tockly::engine
