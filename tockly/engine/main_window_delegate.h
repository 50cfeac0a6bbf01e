#pragma once

#include <string>

namespace tockly::engine {

// Captions of the tray menu's prompt window item while the prompt window is shown or hidden.
inline constexpr const char* kTrayPromptItemHide = "关闭提示窗口(&K)";
inline constexpr const char* kTrayPromptItemShow = "打开提示窗口(&K)";

// What the reminder engine writes on the main window and asks of it. The main window model
// (Form1) answers; the engine knows nothing else of it.
class MainWindowDelegate {
  public:
    virtual ~MainWindowDelegate() = default;
    // The display tick's texts: the caption, the tray tip (kept as the window's tag) and the
    // today label.
    virtual void set_Caption(std::string caption) = 0;
    virtual void set_Tag(std::string tip) = 0;
    virtual void set_today_text(std::string text) = 0;
    // The tray menu's prompt window item, kept in step by the reminder tick.
    virtual void set_tray_prompt_caption(std::string caption) = 0;
    // The tray tip's second line, the next due alarm; empty for none.
    virtual void set_next_due_line(std::string line) = 0;
    // A notice for the tray icon's balloon.
    virtual void show_notice(const std::string& text) = 0;
    // A close request: with the quit marker set the program quits, otherwise the window hides.
    virtual void Unload() = 0;
};

}  // namespace tockly::engine
