#pragma once

#include <string>
#include <vector>

#include "tockly/settings/prompt_placement.h"

namespace tockly::settings_file {

// A prompt window on a 1024 × 768 pixel screen that records what the settings code does to it.
class FakePromptPlacement : public PromptPlacement {
  public:
    double screen_width() override { return 15360; }
    double screen_height() override { return 11520; }
    double left() override { return left_; }
    double top() override { return top_; }
    void move(double left, double top) override {
        left_ = left;
        top_ = top;
        calls.push_back("move");
    }
    void touming(int value) override { calls.push_back("touming " + std::to_string(value)); }
    void shangceng_Click(int element) override {
        calls.push_back("shangceng_Click " + std::to_string(element));
    }

    std::vector<std::string> calls;

  private:
    double left_ = 0;
    double top_ = 0;
};

}  // namespace tockly::settings_file
