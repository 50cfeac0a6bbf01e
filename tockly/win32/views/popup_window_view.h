// The popup window form_tan on the screen: borderless, topmost, not in the task bar, placed,
// clipped and shown as the popup model asks. Its 10 ms reveal timer, its title strip and its
// close box go to the model. The page inside is the system's web browser control; where none
// can be created, a short text takes its place.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/win32/ole_control_site.h"
#include "common/win32/unique_handle.h"
#include "tockly/win32/ui/dpi.h"
#include "tockly/windows/popup_window.h"

namespace tockly::win32 {

class PopupWindowView final : public platform::PopupWindowService {
  public:
    struct Handlers {
        // One step of the reveal; false once the window stands whole.
        std::function<bool()> reveal_tick;
        // A mouse button (windows::kMouseLeftButton, ...) pressed on the title strip.
        std::function<void(int button)> title_pressed;
        // The close box, or the window closed in any other way.
        std::function<void()> closed;
        // The title strip's text.
        std::function<std::string()> title;
        // The text shown where there is no browser.
        std::function<std::string()> fallback_text;
    };
    // The pictures of the face and the title strip lie in `program_folder`.
    PopupWindowView(std::string program_folder, Handlers handlers);
    ~PopupWindowView() override;
    PopupWindowView(const PopupWindowView&) = delete;
    PopupWindowView& operator=(const PopupWindowView&) = delete;

    void place_topmost(double left_twips, double top_twips) override;
    void set_region(int width, int top, int bottom) override;
    void free_region() override;
    void begin_title_drag() override;
    void navigate(const std::string& address) override;
    void set_visible(bool visible) override;

    HWND hwnd() const { return window_.get(); }
    // The window's messages, through view_procedure.
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    static const wchar_t* window_class();
    // The window is made the first time the model needs it, hidden, and kept until the end.
    bool ensure_window();
    void show_page();
    void paint(HDC dc);
    RECT title_strip() const;
    RECT close_box() const;
    RECT page_frame() const;

    std::string program_folder_;
    Handlers handlers_;
    common::win32::UniqueBitmap face_;
    common::win32::UniqueBitmap title_;
    common::win32::UniqueWindow window_;
    common::win32::UniqueFont font_;
    common::win32::UniqueFont title_font_;
    common::win32::OleControlSite browser_;
    bool browser_ready_ = false;
    bool page_shown_ = false;
    std::string address_;
    UINT dpi_ = kDefaultDpi;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tockly::win32
