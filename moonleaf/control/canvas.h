#pragma once

#include <cstdint>
#include <string_view>

namespace moonleaf {

// A Windows colour 0x00BBGGRR, or a system-colour reference 0x80000000 | COLOR_xxx index that
// the host translates (OleTranslateColor) when it draws.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Right and bottom are exclusive, as in Win32's RECT and FillRect.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool operator==(const Rect&) const = default;
};

// The control draws on three surfaces, each with its own persistent image: the control itself
// and the two selector boxes that lie over its title band. Box coordinates are relative to the
// box's own top-left corner (see selector_box_rect() for where the box sits on the control);
// the host shows the boxes above the control's image.
enum class Surface { Control, YearBox, MonthBox };

enum class EdgeStyle {
    Frame,         // double edge, raised outside and sunken inside (Win32 EDGE_BUMP, BF_RECT)
    ButtonAtRest,  // flat raised edge of a selector button (BDR_RAISEDINNER, BF_RECT | BF_FLAT)
    ButtonPressed  // sunken edge of a held arrow button (BDR_SUNKENOUTER, BF_RECT)
};

// Where the month view draws. Stateless: every call names its surface and colour, so the
// drawing code never saves and restores a device context, and a recording canvas in tests is
// a plain list of calls. The host backs each surface with an off-screen bitmap; `present`
// means "this surface's image changed, show it" (invalidate the window area).
//
// Text is UTF-8, drawn with a transparent background in the control's one text font. `at` is
// the top-left corner of the text. The selector boxes are laid out from the widths the font
// really has (text_width); the bands and the day grid count 12 pixels for a CJK character and
// 6 for a digit.
class Canvas {
  public:
    virtual ~Canvas() = default;
    // How wide `utf8` comes out in the text font, in pixels, rounded up.
    virtual int text_width(std::string_view utf8) const = 0;
    virtual void fill_rect(Surface surface, const Rect& rect, Colour colour) = 0;
    // A one-pixel line; the end point is not drawn (MoveToEx/LineTo).
    virtual void line(Surface surface, Point from, Point to, Colour colour) = 0;
    virtual void text(Surface surface, Point at, std::string_view utf8, Colour colour) = 0;
    // Text in the small font, whose CJK characters are 9 pixels wide (the marks in a day
    // cell's corner).
    virtual void small_text(Surface surface, Point at, std::string_view utf8, Colour colour) = 0;
    virtual void edge(Surface surface, const Rect& rect, EdgeStyle style) = 0;
    // One character of the "Marlett" symbol font at 12 points, centred in `rect`.
    virtual void marlett_glyph(Surface surface, const Rect& rect, char glyph, Colour colour) = 0;
    virtual void present(Surface surface) = 0;
};

}  // namespace moonleaf
