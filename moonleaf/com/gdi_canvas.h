// The month view's canvas on GDI: one off-screen bitmap per surface (the control and its two
// selector boxes), composed onto a window or a host's device context.
#pragma once

#include <windows.h>

#include <array>

#include "common/win32/unique_handle.h"
#include "moonleaf/control/canvas.h"

namespace moonleaf_com {

class GdiCanvas final : public moonleaf::Canvas {
  public:
    GdiCanvas();

    // Recreates the control surface for a new width (its content is drawn afresh afterwards).
    void set_control_width(int width);
    // Where the boxes are shown on the control, and which window shows everything.
    void set_box_positions(const RECT& year_box, const RECT& month_box);
    void set_window(HWND window) { window_ = window; }
    HFONT text_font() const { return text_font_.get(); }

    // Paints the control surface with the boxes over it into `target`, scaled to `bounds`.
    void compose(HDC target, const RECT& bounds) const;

    void fill_rect(moonleaf::Surface surface, const moonleaf::Rect& rect,
                   moonleaf::Colour colour) override;
    void line(moonleaf::Surface surface, moonleaf::Point from, moonleaf::Point to,
              moonleaf::Colour colour) override;
    void text(moonleaf::Surface surface, moonleaf::Point at, std::string_view utf8,
              moonleaf::Colour colour) override;
    void edge(moonleaf::Surface surface, const moonleaf::Rect& rect,
              moonleaf::EdgeStyle style) override;
    void marlett_glyph(moonleaf::Surface surface, const moonleaf::Rect& rect, char glyph,
                       moonleaf::Colour colour) override;
    void present(moonleaf::Surface surface) override;

  private:
    struct Bitmap {
        common::win32::UniqueDc dc;
        common::win32::UniqueBitmap bitmap;
        HGDIOBJ original = nullptr;  // selected back before the bitmap is deleted
        SIZE size{};
        ~Bitmap();
    };
    static void create_bitmap(Bitmap& target, int width, int height);
    HDC dc_of(moonleaf::Surface surface) const;
    RECT window_rect_of(moonleaf::Surface surface) const;

    std::array<Bitmap, 3> surfaces_;  // indexed by moonleaf::Surface
    RECT year_box_{};
    RECT month_box_{};
    HWND window_ = nullptr;
    common::win32::UniqueFont text_font_;
    common::win32::UniqueFont marlett_font_;
};

}  // namespace moonleaf_com
