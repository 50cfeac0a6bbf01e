#pragma once

// The main window's state that the ticks write: its caption, its tag (the tray tip text), the
// today label and the tray menu items, plus the close rule that separates hiding from quitting.

#include <array>
#include <functional>
#include <string>

#include "tockly/engine/shared_state.h"
#include "tockly/ui/controls.h"

namespace tockly::engine {

inline constexpr int kTrayPromptItem = 2;
inline constexpr const char* kTrayPromptItemHide = "关闭提示窗口(&K)";
inline constexpr const char* kTrayPromptItemShow = "打开提示窗口(&K)";

class MainWindow {
  public:
    explicit MainWindow(SharedState& shared);

    std::string Caption;
    // The tray tip text.
    const std::string& Tag() const { return tag_; }
    void set_Tag(std::string text);
    ui::Label today_label;
    // The tray menu, elements 0-14.
    std::array<ui::MenuItem, 15> wenjian1;

    bool visible = true;
    bool quitting() const { return quitting_; }
    // A close request: with the quit marker "关闭" set the program quits (once), otherwise the
    // window is only hidden.
    void Unload();

    // The tray icon takes each new tip text.
    std::function<void(const std::string&)> on_tip_changed;
    std::function<void()> on_quit;

  private:
    SharedState& shared_;
    std::string tag_;
    bool quitting_ = false;
};

}  // namespace tockly::engine
