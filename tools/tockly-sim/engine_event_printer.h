#pragma once

#include <string>

#include "tockly/engine/engine_observer.h"
#include "tockly/shell/main_window.h"
#include "tockly/windows/prompt_window.h"
#include "tools/tockly-sim/event_printer.h"

namespace tockly::sim {

// Prints what the engine decides and what the prompt window shows.
class EngineEventPrinter : public engine::EngineObserver,
                           public windows::PromptWindowObserver,
                           public shell::MainWindowObserver {
  public:
    explicit EngineEventPrinter(EventPrinter& printer) : printer_(printer) {}

    void alarm_fired(int number) override;
    void chime_fired() override;
    void shutdown_state_changed(const std::string& state) override;
    void quit_requested() override;

    void mode_changed(const std::string& mode) override;
    void message_changed(const std::string& message) override;
    void status_changed(const std::string& status) override;
    void visibility_changed(bool visible) override;
    void alpha_set(int alpha) override;

    bool quit() const { return quit_; }

  private:
    EventPrinter& printer_;
    bool quit_ = false;
};

}  // namespace tockly::sim
