#pragma once

#include <array>
#include <cstdint>

#include "moonleaf/control/canvas.h"
#include "moonleaf/control/control_host.h"

namespace moonleaf {

// Where everything of the month view lies, in pixels. W is the control's width (290 + 7q);
// the height never changes. The host uses these to place its windows: the two selector boxes
// and, under each, the real combo box whose drop-down shows the list.
inline constexpr int kControlHeight = 235;
inline constexpr int kMinimumWidth = 290;
// The widest the control grows, so that sizes stay within what windows and bitmaps take.
inline constexpr int kMaximumWidth = kMinimumWidth + 7 * 4639;  // 32763
inline constexpr int kCellCount = 37;
inline constexpr int kRowHeight = 28;
inline constexpr int kSelectorBoxWidth = 64;  // with text of the usual widths, see below
inline constexpr int kSelectorBoxHeight = 20;
// However wide a font draws the numbers; a bitmap of this width holds any box.
inline constexpr int kMaximumSelectorBoxWidth = 96;

// The width a host's requested width becomes: 290 at the least, else 290 plus a whole number
// of 7-pixel steps, the nearest one (ties to even).
int resized_width(int requested_width);

// (W - 10) div 7 + 1: 41 at the default width.
int cell_width(int W);
// Cell k (0-36) lies in column k mod 7 (Sunday first) and row k div 7.
Rect cell_rect(int W, int k);

Rect frame_rect(int W);
Rect title_band_rect(int W);
Rect weekday_header_rect(int W);
Rect day_grid_rect(int W);
Rect bottom_band_rect(int W);

// The parts of a selector box in the box's own coordinates, laid out from the widths the text
// font gives its texts: the widest number the box shows and, in the month box, the "月" after
// it. Between the arrows lie 25 pixels, more when the texts need more (a font with wide
// digits), the right arrow and the drop-down button moving right with them. With 6-pixel
// digits and 12-pixel Chinese characters this is the left arrow in (1, 2, 13, 19), Label1 or
// Label2 from 13, Label3 in (26, 2, 38, 19), the right arrow in (38, 2, 50, 19), the drop-down
// button in (50, 2, 62, 19), and a box 64 pixels wide.
struct SelectorBoxLayout {
    Rect left_arrow;
    Rect number;  // Label1, the year; Label2, the month number
    Rect suffix;  // Label3, "月"; empty in the year box
    Rect right_arrow;
    Rect drop_down;
    int width = 0;
    bool operator==(const SelectorBoxLayout&) const = default;
};
SelectorBoxLayout selector_box_layout(int number_width, int suffix_width);

struct HeaderLayout {
    SelectorBoxLayout year = selector_box_layout(24, 0);
    SelectorBoxLayout month = selector_box_layout(12, 12);
    const SelectorBoxLayout& of(SelectorList list) const {
        return list == SelectorList::Year ? year : month;
    }
};

// A selector box on the control's surface: the month box ends 6 pixels before the right edge,
// the year box 4 pixels before the month box (at W - 138 and W - 70 for 64-pixel boxes).
Rect selector_box_rect(int W, SelectorList list, const HeaderLayout& header);
// Marlett glyphs: left-pointing, right-pointing and down-pointing triangles.
inline constexpr char kLeftArrowGlyph = '3';
inline constexpr char kRightArrowGlyph = '4';
inline constexpr char kDropDownGlyph = '6';

// Day numbers of the month's cells, weeks from Sunday; 0 marks an empty cell.
using DayArray = std::array<std::int16_t, kCellCount>;
DayArray fill_day_array(int year, int month);

}  // namespace moonleaf
