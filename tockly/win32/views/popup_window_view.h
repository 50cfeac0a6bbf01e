// The popup window form_tan: borderless, topmost, standing on the task bar at the bottom right
// of the screen, revealed from its bottom row upwards by a window region, 10 rows every 10 ms.
// It is moved by its title strip and closed by its close box. The page inside is the system's
// web browser control; where none can be created, a short text of today's date takes its place.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/win32/ole_control_site.h"
#include "common/win32/unique_handle.h"
#include "tockly/win32/ui/dpi.h"

namespace tockly::win32 {

class PopupWindowView {
  public:
    // `fallback_text` gives the text shown where there is no browser; the pictures of the face
    // and the title strip lie in `program_folder`.
    PopupWindowView(std::string program_folder, std::function<std::string()> fallback_text);
    ~PopupWindowView();
    PopupWindowView(const PopupWindowView&) = delete;
    PopupWindowView& operator=(const PopupWindowView&) = delete;

    // Creates the window when it is closed (it then slides in again) and loads `address`.
    void open(const std::string& address);
    bool is_open() const { return static_cast<bool>(window_); }
    // The page last loaded, empty when none.
    const std::string& address() const { return address_; }
    HWND hwnd() const { return window_.get(); }

    // The window's messages, through view_procedure.
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    static const wchar_t* window_class();
    void create();
    void place_on_task_bar();
    void reveal_step();
    void show_page();
    void paint(HDC dc);
    RECT title_strip() const;
    RECT close_box() const;
    RECT page_frame() const;

    std::string program_folder_;
    std::function<std::string()> fallback_text_;
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
    // The upper edge of the visible band, in pixels from the window's top.
    int edge_ = 0;
};

}  // namespace tockly::win32
