#include "moonleaf/control/month_layout.h"

#include <algorithm>
#include <cmath>

#include "common/ole_date.h"

namespace moonleaf {

int resized_width(int requested_width) {
    if (requested_width <= kMinimumWidth) return kMinimumWidth;
    // lrint rounds ties to even under the default rounding mode.
    const long steps = std::lrint((std::min(requested_width, kMaximumWidth) - kMinimumWidth) / 7.0);
    return kMinimumWidth + 7 * static_cast<int>(steps);
}

int cell_width(int W) {
    return (W - 10) / 7 + 1;
}

Rect cell_rect(int W, int k) {
    const int w = cell_width(W);
    const int column = k % 7;
    const int row = k / 7;
    return {column * w + 2, row * kRowHeight + 46, column * w + w + 1, row * kRowHeight + 73};
}

Rect frame_rect(int W) {
    return {0, 0, W, kControlHeight};
}
Rect title_band_rect(int W) {
    return {2, 2, W - 2, 25};
}
Rect weekday_header_rect(int W) {
    return {2, 26, W - 2, 45};
}
Rect day_grid_rect(int W) {
    return {2, 46, W - 2, kControlHeight - 22};
}
Rect bottom_band_rect(int W) {
    return {2, 214, W - 2, kControlHeight - 2};
}

Rect selector_box_rect(int W, SelectorList list) {
    const int left = list == SelectorList::Year ? W - 138 : W - 70;
    return {left, 3, left + kSelectorBoxWidth, 3 + kSelectorBoxHeight};
}

DayArray fill_day_array(int year, int month) {
    DayArray days{};
    const int length = common::days_in_month(year, month);
    const int first = common::OleDate::from_ymd(year, month, 1).weekday();
    for (int d = 1; d <= length; ++d)
        days[static_cast<std::size_t>(first + d - 1)] = static_cast<std::int16_t>(d);
    return days;
}

}  // namespace moonleaf
