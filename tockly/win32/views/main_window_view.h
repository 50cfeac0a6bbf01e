// The main window Form1: its caption, the tab strip of the six pages, the page panels and the
// save button. Closing, minimising and the tabs go to the model, which decides what they mean;
// the window shows, hides and turns its pages as the model says.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "common/win32/unique_handle.h"
#include "tockly/shell/main_window.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

inline constexpr int kPageCount = 6;

class MainWindowView {
  public:
    struct Handlers {
        std::function<void()> after_input;
        std::function<void()> close_request;
        std::function<void()> minimised;
        std::function<void(int page)> tab_selected;
        std::function<void(UINT_PTR timer)> timer;
        std::function<void()> double_click;
        // Messages the window itself does not handle (the tray icon's); true when handled.
        std::function<bool(UINT message, WPARAM wparam, LPARAM lparam)> other_message;
    };
    MainWindowView(shell::MainWindow& model, Handlers handlers);
    MainWindowView(const MainWindowView&) = delete;
    MainWindowView& operator=(const MainWindowView&) = delete;

    HWND hwnd() const { return window_.get(); }
    Panel& page(int index) { return *pages_[static_cast<size_t>(index)]; }
    // The panel over the page area for the date chooser, shown in the place of the pages.
    Panel& overlay() { return *overlay_; }
    void show_overlay(bool shown);
    Panel& footer() { return *footer_; }

    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp step through the pages, as in every
    // tabbed window; true when `message` was one of them.
    bool handle_tab_key(const MSG& message);
    void layout();
    // The first place of the window: the middle of the work area of the monitor with the mouse.
    void centre_in_work_area();
    void sync();
    // Shows the window as the model says and brings it to the front, even when it was shown
    // already (under other windows), as a request to open it means.
    void bring_forward();

    // The window's messages, through view_procedure.
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    static const wchar_t* window_class();
    void select_tab(int index);
    void show_window();
    void show_pages();

    shell::MainWindow& model_;
    Handlers handlers_;
    common::win32::UniqueWindow window_;
    common::win32::UniqueFont font_;
    HWND tabs_ = nullptr;
    std::array<std::unique_ptr<Panel>, kPageCount> pages_;
    std::unique_ptr<Panel> overlay_;
    std::unique_ptr<Panel> footer_;
    std::wstring shown_caption_;
    int shown_visible_ = -1;
};

}  // namespace tockly::win32
