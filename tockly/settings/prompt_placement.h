#pragma once

namespace tockly::settings_file {

// What the settings file stores of the prompt window and applies to it: its place on the
// screen in twips, its opacity and its layer. The prompt window model answers these; the
// settings code needs nothing else of it.
class PromptPlacement {
  public:
    virtual ~PromptPlacement() = default;
    virtual double screen_width() = 0;
    virtual double screen_height() = 0;
    virtual double left() = 0;
    virtual double top() = 0;
    // Creates the (hidden) window when it does not exist yet.
    virtual void move(double left, double top) = 0;
    virtual void touming(int value) = 0;
    // 0: above all other windows, 1: the normal layer.
    virtual void shangceng_Click(int element) = 0;
};

}  // namespace tockly::settings_file
