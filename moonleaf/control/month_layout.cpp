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

SelectorBoxLayout selector_box_layout(int number_width, int suffix_width) {
    constexpr int kButtonWidth = 12;
    constexpr int kTop = 2, kBottom = 19;
    constexpr int kFewestBetweenArrows = 25;
    constexpr int kMostBetweenArrows = kMaximumSelectorBoxWidth - 3 * kButtonWidth - 3;
    // One pixel more than the texts, so that the number never touches the right arrow.
    const int between =
        std::clamp(number_width + suffix_width + 1, kFewestBetweenArrows, kMostBetweenArrows);
    SelectorBoxLayout layout;
    layout.left_arrow = {1, kTop, 1 + kButtonWidth, kBottom};
    const int labels_right = layout.left_arrow.right + between;
    const int suffix_left = labels_right - std::min(suffix_width, between);
    layout.number = {layout.left_arrow.right, kTop, suffix_left, kBottom};
    layout.suffix = {suffix_left, kTop, labels_right, kBottom};
    layout.right_arrow = {labels_right, kTop, labels_right + kButtonWidth, kBottom};
    layout.drop_down = {layout.right_arrow.right, kTop, layout.right_arrow.right + kButtonWidth,
                        kBottom};
    layout.width = layout.drop_down.right + 2;
    return layout;
}

Rect selector_box_rect(int W, SelectorList list, const HeaderLayout& header) {
    const int month_left = W - 6 - header.month.width;
    const int left = list == SelectorList::Month ? month_left : month_left - 4 - header.year.width;
    return {left, 3, left + header.of(list).width, 3 + kSelectorBoxHeight};
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
