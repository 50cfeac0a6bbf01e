#pragma once

// The main window (Form1) as a model: its caption, its tag (the tray tip text), the today label
// and the tray menu items, plus the close rule that separates hiding from quitting.

#include <array>
#include <string>

#include "tockly/engine/main_window_delegate.h"
#include "tockly/model/shared_state.h"
#include "tockly/ui/controls.h"

namespace tockly::shell {

inline constexpr int kTrayPromptItem = 2;

// What the main window reports to whoever follows it (the tray icon, the simulator).
class MainWindowObserver {
  public:
    virtual ~MainWindowObserver() = default;
    virtual void tip_changed(const std::string& tip) { (void)tip; }
    // The program is quitting (the quit marker is set and the main window closes).
    virtual void quit_requested() {}
};

class MainWindow : public engine::MainWindowDelegate {
  public:
    explicit MainWindow(model::SharedState& shared);

    std::string Caption;
    // The tray tip text.
    const std::string& Tag() const { return tag_; }
    ui::Label today_label;
    // The tray menu, elements 0-14.
    std::array<ui::MenuItem, 15> wenjian1;

    bool visible = true;
    bool quitting() const { return quitting_; }

    void set_Caption(std::string caption) override { Caption = std::move(caption); }
    void set_Tag(std::string text) override;
    void set_today_text(std::string text) override { today_label.caption = std::move(text); }
    void set_tray_prompt_caption(std::string caption) override {
        wenjian1[kTrayPromptItem].caption = std::move(caption);
    }
    // A close request: with the quit marker "关闭" set the program quits (once), otherwise the
    // window is only hidden.
    void Unload() override;

    void set_observer(MainWindowObserver* observer) { observer_ = observer; }

  private:
    model::SharedState& shared_;
    std::string tag_;
    bool quitting_ = false;
    MainWindowObserver* observer_ = nullptr;
};

}  // namespace tockly::shell
