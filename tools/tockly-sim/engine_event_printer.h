#pragma once

#include <string>

#include "tockly/engine/engine_tap.h"
#include "tockly/platform/fakes/fake_player.h"
#include "tockly/shell/main_window.h"
#include "tockly/windows/prompt_window.h"
#include "tools/tockly-sim/event_printer.h"

namespace tockly::sim {

// Prints what the engine decides, what the prompt window shows and what the players are told.
class EngineEventPrinter : public engine::EngineTap,
                           public windows::PromptWindowTap,
                           public shell::MainWindowObserver,
                           public platform::FakePlayerListener {
  public:
    // `show_tip`: also print each new tray tip.
    explicit EngineEventPrinter(EventPrinter& printer, bool show_tip = false)
        : printer_(printer), show_tip_(show_tip) {}

    void alarm_fired(int number) override;
    void chime_fired() override;
    void alarm_missed(int number, const std::string& hour_minute) override;
    void alarm_snoozed(int number, const std::string& time) override;
    void shutdown_state_changed(const std::string& state) override;
    void quit_requested() override;
    void tip_changed(const std::string& tip) override;

    void mode_changed(const std::string& mode) override;
    void message_changed(const std::string& message) override;
    void status_changed(const std::string& status) override;
    void visibility_changed(bool visible) override;
    void alpha_set(int alpha) override;

    void player_called(int number, const std::string& call, const std::string& path,
                       int result) override;

    bool quit() const { return quit_; }

  private:
    EventPrinter& printer_;
    bool show_tip_;
    bool quit_ = false;
};

}  // namespace tockly::sim
