#pragma once

// The main window (Form1) as a model: its caption and tag (the tray tip text), the today label,
// the tab strip with its six page frames, the save button, the menu whose items serve as the
// tray menu, and the window state with the close rule that separates hiding from quitting.
// The pages put their own controls on the page frames.

#include <array>
#include <string>
#include <vector>

#include "tockly/engine/main_window_delegate.h"
#include "tockly/model/shared_state.h"
#include "tockly/ui/controls.h"

namespace tockly::shell {

// Items of the menu "文件" (wenjian1 elements), which is the tray menu, that do something.
namespace tray_item {
inline constexpr int kAnnounceNow = 0;
inline constexpr int kPromptWindow = 2;
inline constexpr int kUpgrade = 3;
inline constexpr int kSettings = 5;
inline constexpr int kTimeSync = 7;
inline constexpr int kStopCustom = 9;
inline constexpr int kNews = 11;
inline constexpr int kNothing = 12;
inline constexpr int kExit = 14;
}  // namespace tray_item

// Window states as the window reports them.
enum WindowState : short { kNormal = 0, kMinimised = 1, kMaximised = 2 };

// Page frames (Frame3 elements) in tab order.
namespace page {
inline constexpr int kDateLookup = 0;
inline constexpr int kAlarms = 1;
inline constexpr int kOptions = 2;
inline constexpr int kInstructions = 3;
inline constexpr int kVoiceCollection = 4;
inline constexpr int kOverview = 5;
inline constexpr int kCount = 6;
}  // namespace page

// What the main window reports to whoever follows it (the tray icon, the simulator).
class MainWindowObserver {
  public:
    virtual ~MainWindowObserver() = default;
    virtual void tip_changed(const std::string& tip) { (void)tip; }
    // A notice the tray icon shows in a balloon.
    virtual void notice_posted(const std::string& text) { (void)text; }
    // The program is quitting (the quit marker is set and the main window closes).
    virtual void quit_requested() {}
};

// Carries out a close request that is a quit: hook, tray icon and prompt window go first.
class QuitHandler {
  public:
    virtual ~QuitHandler() = default;
    virtual void quit() = 0;
};

class MainWindow : public engine::MainWindowDelegate {
  public:
    explicit MainWindow(model::SharedState& shared);

    std::string Caption;
    // The tray tip text: the display tick's text, then the next-due line, if any, on a line of
    // its own.
    const std::string& Tag() const { return tag_; }
    ui::Label today_label;
    // The menu bar entry "文件", hidden at start-up: its items are the tray menu (0-14).
    ui::MenuItem wenjian{"文件"};
    std::array<ui::MenuItem, 15> wenjian1;

    ui::TabStrip TabStrip1;
    std::array<ui::Frame, page::kCount> Frame3;
    ui::Button Command1{"保存设置"};
    // Two frames without caption; a double-click on them announces the time like the window's
    // background.
    ui::Frame Frame4;
    ui::Frame Frame5;
    // The news picture panel, shown while the news option is on.
    ui::Frame gg_Picture2;

    // The window state to restore from the tray, recorded once at the end of start-up.
    short LastState = kNormal;
    bool visible = false;
    bool focused = false;
    short WindowState() const { return window_state_; }
    // A minimised window hides: only the tray icon remains.
    void set_WindowState(short state);
    // Back from the tray: the state recorded at start-up, shown, with the focus.
    void restore();

    // Selects tab `index` (0-5) and shows its page frame alone.
    void TabStrip1_Click(int index);

    // The reminder and display timers run from the end of start-up until the program quits.
    bool timers_enabled = false;
    bool quitting() const { return quitting_; }

    void set_Caption(std::string caption) override { Caption = std::move(caption); }
    void set_Tag(std::string text) override;
    void set_next_due_line(std::string line) override;
    void show_notice(const std::string& text) override;
    void set_today_text(std::string text) override { today_label.caption = std::move(text); }
    void set_tray_prompt_caption(std::string caption) override {
        wenjian1[tray_item::kPromptWindow].caption = std::move(caption);
    }
    // A close request: with the quit marker "关闭" set the program quits (once), otherwise the
    // close is cancelled and the window minimised, which hides it.
    void Unload() override;
    // Windows is ending the session: that is a quit, not a hide.
    void session_ending();

    void add_observer(MainWindowObserver* observer) { observers_.push_back(observer); }
    void remove_observer(MainWindowObserver* observer) { std::erase(observers_, observer); }
    void set_quit_handler(QuitHandler* handler) { quit_handler_ = handler; }

  private:
    model::SharedState& shared_;
    void update_tip();

    std::string time_tip_;
    std::string next_due_line_;
    std::string tag_;
    short window_state_ = kNormal;
    bool quitting_ = false;
    std::vector<MainWindowObserver*> observers_;
    QuitHandler* quit_handler_ = nullptr;
};

}  // namespace tockly::shell
