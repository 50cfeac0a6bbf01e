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
inline constexpr int kSelectorBoxWidth = 64;
inline constexpr int kSelectorBoxHeight = 20;

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
// A selector box on the control's surface: the year box at W - 138, the month box at W - 70.
Rect selector_box_rect(int W, SelectorList list);

// Inside a selector box, in the box's own coordinates.
inline constexpr Rect kLeftArrowButton{1, 2, 13, 19};
inline constexpr Rect kRightArrowButton{38, 2, 50, 19};
inline constexpr Rect kDropDownButton{50, 2, 62, 19};
inline constexpr Rect kYearLabel{13, 2, 38, 19};         // Label1: the year
inline constexpr Rect kMonthNumberLabel{13, 2, 26, 19};  // Label2: the month number
inline constexpr Rect kMonthSuffixLabel{26, 2, 38, 19};  // Label3: "月"
// Marlett glyphs: left-pointing, right-pointing and down-pointing triangles.
inline constexpr char kLeftArrowGlyph = '3';
inline constexpr char kRightArrowGlyph = '4';
inline constexpr char kDropDownGlyph = '6';

// Day numbers of the month's cells, weeks from Sunday; 0 marks an empty cell.
using DayArray = std::array<std::int16_t, kCellCount>;
DayArray fill_day_array(int year, int month);

}  // namespace moonleaf
