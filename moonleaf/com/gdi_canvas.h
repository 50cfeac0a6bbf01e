// The month view's canvas on GDI: one off-screen bitmap per surface (the control and its two
// selector boxes), composed onto a window or a host's device context. The bitmaps hold device
// pixels at the canvas's DPI: every call draws its logical geometry scaled, with fonts of the
// same scale, so the image stays sharp at any DPI.
#pragma once

#include <windows.h>

#include <array>

#include "common/win32/unique_handle.h"
#include "moonleaf/com/dpi_scale.h"
#include "moonleaf/control/canvas.h"

namespace moonleaf_com {

class GdiCanvas final : public moonleaf::Canvas {
  public:
    GdiCanvas();

    // Recreates the control surface for a new (logical) width, or every surface and font for a
    // new DPI; their content is drawn afresh afterwards.
    void set_control_width(int width);
    void set_dpi(int dpi);
    const DpiScale& scale() const { return scale_; }
    // Where the boxes are shown on the control (logical; their bitmaps are as wide as the widest
    // box and only the box's own width is shown), and which window shows everything.
    void set_box_positions(const moonleaf::Rect& year_box, const moonleaf::Rect& month_box);
    void set_window(HWND window) { window_ = window; }
    // The text font at the canvas's DPI, for the lists' combo boxes too.
    HFONT text_font() const { return text_font_.get(); }

    // Paints the control surface with the boxes over it into `target` (device pixels),
    // stretched only when `bounds` is not the surface's own size.
    void compose(HDC target, const RECT& bounds) const;

    int text_width(std::string_view utf8) const override;
    void fill_rect(moonleaf::Surface surface, const moonleaf::Rect& rect,
                   moonleaf::Colour colour) override;
    void line(moonleaf::Surface surface, moonleaf::Point from, moonleaf::Point to,
              moonleaf::Colour colour) override;
    void text(moonleaf::Surface surface, moonleaf::Point at, std::string_view utf8,
              moonleaf::Colour colour) override;
    void small_text(moonleaf::Surface surface, moonleaf::Point at, std::string_view utf8,
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
    void create_bitmap(moonleaf::Surface surface, int width, int height);
    void draw_text(moonleaf::Surface surface, HFONT font, moonleaf::Point at, std::string_view utf8,
                   moonleaf::Colour colour);
    HDC dc_of(moonleaf::Surface surface) const;
    RECT window_rect_of(moonleaf::Surface surface) const;

    DpiScale scale_;
    int control_width_ = 0;           // logical
    std::array<Bitmap, 3> surfaces_;  // indexed by moonleaf::Surface
    moonleaf::Rect year_box_{};       // logical
    moonleaf::Rect month_box_{};
    HWND window_ = nullptr;
    common::win32::UniqueFont text_font_;
    common::win32::UniqueFont small_font_;
    common::win32::UniqueFont marlett_font_;
};

}  // namespace moonleaf_com
