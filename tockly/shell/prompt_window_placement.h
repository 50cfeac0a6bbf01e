#pragma once

#include "tockly/platform/screen.h"
#include "tockly/settings/prompt_placement.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::shell {

// The prompt window model and the screen, as the settings file sees them.
class PromptWindowPlacement : public settings_file::PromptPlacement {
  public:
    PromptWindowPlacement(windows::PromptWindow& window, platform::Screen& screen)
        : window_(window), screen_(screen) {}

    double screen_width() override { return screen_.width_twips(); }
    double screen_height() override { return screen_.height_twips(); }
    double left() override { return window_.Left; }
    double top() override { return window_.Top; }
    void move(double left, double top) override {
        window_.Left = left;
        window_.Top = top;
    }
    void touming(int value) override { window_.touming(value); }
    void shangceng_Click(int element) override { window_.shangceng_Click(element); }

  private:
    windows::PromptWindow& window_;
    platform::Screen& screen_;
};

}  // namespace tockly::shell
