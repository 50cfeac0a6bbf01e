// A button drawn from a model label (caption, fore colour) over a model picture box (the
// picture file): a real BUTTON window, so that the keyboard, the focus and screen readers
// treat it as any button, whose face the model decides. The mouse over it, pressing and
// releasing it go to the model as they happen.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "common/win32/unique_handle.h"
#include "tockly/ui/controls.h"
#include "tockly/win32/ui/bound_control.h"

namespace tockly::win32 {

class PictureButtonBinding : public BoundControl {
  public:
    struct Handlers {
        std::function<void()> click;
        std::function<void()> mouse_down;
        std::function<void()> mouse_move;
        std::function<void()> mouse_up;
        // The mouse left the button for whatever lies around it.
        std::function<void()> mouse_left;
        // The program's sync pass, after each mouse input (clicks come through the panel).
        std::function<void()> after_input;
    };
    PictureButtonBinding(HWND parent, LogicalRect place, const ui::Label& text,
                         const ui::PictureBox& picture, Handlers handlers);
    ~PictureButtonBinding() override;

    void layout(UINT dpi, HFONT font) override;
    void sync() override;
    void notify(UINT code) override;
    void draw(const DRAWITEMSTRUCT& item) override;

  private:
    static LRESULT CALLBACK subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR self);
    void mouse(const std::function<void()>& handler);
    // Asks for a WM_MOUSELEAVE; one comes at once when the mouse is already elsewhere.
    void track_leaving();
    // The picture at `path` for the current DPI, loaded once; nothing when it cannot be read.
    HBITMAP picture(const std::string& path);

    const ui::Label& text_;
    const ui::PictureBox& picture_;
    Handlers handlers_;
    std::map<std::string, common::win32::UniqueBitmap> pictures_;
    UINT dpi_ = kDefaultDpi;
    bool tracking_ = false;
    bool face_shown_ = false;
    std::string shown_picture_;
    long shown_color_ = 0;
};

}  // namespace tockly::win32
