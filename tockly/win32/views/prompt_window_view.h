// The prompt window Form2 on the screen: borderless, not in the task bar, the size of its
// background picture, four text lines, the hint line and the action button, in the alarm mode
// the buttons "稍后提醒" and "知道了" in place of the last two text lines, layered alpha and
// layer as the model says. It is dragged by its background or a text line, closed (hidden) by a
// double-click, and offers its context menu under the right button.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "common/win32/unique_handle.h"
#include "tockly/win32/ui/bound_control.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::win32 {

class PromptWindowView {
  public:
    struct Handlers {
        std::function<void()> after_input;
        // "详细设置(&X)": the main window comes back as from the tray.
        std::function<void()> open_main_window;
    };
    PromptWindowView(windows::PromptWindow& model, Handlers handlers);
    PromptWindowView(const PromptWindowView&) = delete;
    PromptWindowView& operator=(const PromptWindowView&) = delete;

    HWND hwnd() const { return window_.get(); }
    // Starts the 200 ms refresh, which from then on runs while the window is shown: a hidden
    // window shows nothing, and an idle program should not wake for it.
    void start_refresh();
    void sync();
    // Uses the picture `name` in `folder` as the background, at the window's resolution; the
    // window follows its size.
    void set_background(std::string folder, std::string name);

    // The window's messages, through view_procedure.
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    static const wchar_t* window_class();
    void paint_background(HDC dc, const RECT& area) const;
    void draw_line(const DRAWITEMSTRUCT& item) const;
    void show_context_menu();
    void run_menu_command(int command);
    void layout();
    void load_background();
    void store_position();
    bool over_hint(LPARAM point) const;

    windows::PromptWindow& model_;
    Handlers handlers_;
    common::win32::UniqueWindow window_;
    common::win32::UniqueFont font_;
    common::win32::UniqueFont time_font_;
    common::win32::UniqueBitmap picture_;
    std::string background_folder_;
    std::string background_name_;
    std::array<std::unique_ptr<LabelBinding>, 4> lines_;
    std::unique_ptr<LabelBinding> hint_;
    std::unique_ptr<ButtonBinding> button_;
    std::unique_ptr<ButtonBinding> snooze_;
    std::unique_ptr<ButtonBinding> acknowledge_;
    UINT dpi_ = kDefaultDpi;
    bool menu_shown_for_press_ = false;
    bool refresh_started_ = false;
    bool refreshing_ = false;
    int shown_alpha_ = -1;
    int shown_topmost_ = -1;
    int shown_visible_ = -1;
    RECT shown_rect_{};
};

}  // namespace tockly::win32
