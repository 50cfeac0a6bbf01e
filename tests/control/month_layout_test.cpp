#include "moonleaf/control/month_layout.h"

#include <gtest/gtest.h>

#include <limits>

#include "moonleaf/control/spin_step.h"

namespace moonleaf {
namespace {

TEST(MonthLayout, ResizeKeepsTheHeightAndGrowsInSevens) {
    EXPECT_EQ(resized_width(300), 297);
    EXPECT_EQ(resized_width(200), 290);
    EXPECT_EQ(resized_width(290), 290);
    EXPECT_EQ(resized_width(293), 290);  // 3/7 rounds down
    EXPECT_EQ(resized_width(294), 297);  // 4/7 rounds up
    EXPECT_EQ(resized_width(-5), 290);
    EXPECT_EQ(resized_width(std::numeric_limits<int>::max()), kMaximumWidth);
}

TEST(MonthLayout, ThirtyOneDaysFromASaturdayReachTheLastCell) {
    const DayArray days = fill_day_array(2020, 8);  // 2020-08-01 was a Saturday
    for (int k = 0; k < 6; ++k) EXPECT_EQ(days[k], 0);
    EXPECT_EQ(days[6], 1);
    EXPECT_EQ(days[35], 30);
    EXPECT_EQ(days[36], 31);
}

TEST(MonthLayout, FebruaryFromASundayFillsExactlyFourRows) {
    const DayArray days = fill_day_array(2015, 2);
    EXPECT_EQ(days[0], 1);
    EXPECT_EQ(days[27], 28);
    for (int k = 28; k < kCellCount; ++k) EXPECT_EQ(days[k], 0);
}

// Text widths in, box parts out: the classic box for the usual fonts, wider labels (and the
// arrows after them) for wider text, never wider than a box's bitmap.
TEST(SelectorBoxLayout, LabelsTakeTheTextsWidthAndTheButtonsFollow) {
    const struct {
        int number_width, suffix_width;
        Rect number, suffix, right_arrow;
        int width;
    } rows[] = {
        {24, 0, {13, 2, 38, 19}, {38, 2, 38, 19}, {38, 2, 50, 19}, 64},
        {12, 12, {13, 2, 26, 19}, {26, 2, 38, 19}, {38, 2, 50, 19}, 64},
        {32, 0, {13, 2, 46, 19}, {46, 2, 46, 19}, {46, 2, 58, 19}, 72},
        {16, 12, {13, 2, 30, 19}, {30, 2, 42, 19}, {42, 2, 54, 19}, 68},
        {500, 0, {13, 2, 70, 19}, {70, 2, 70, 19}, {70, 2, 82, 19}, kMaximumSelectorBoxWidth},
    };
    for (const auto& row : rows) {
        const SelectorBoxLayout layout = selector_box_layout(row.number_width, row.suffix_width);
        EXPECT_EQ(layout.left_arrow, (Rect{1, 2, 13, 19})) << row.number_width;
        EXPECT_EQ(layout.number, row.number) << row.number_width;
        EXPECT_EQ(layout.suffix, row.suffix) << row.number_width;
        EXPECT_EQ(layout.right_arrow, row.right_arrow) << row.number_width;
        EXPECT_EQ(layout.drop_down.left, layout.right_arrow.right) << row.number_width;
        EXPECT_EQ(layout.width, row.width) << row.number_width;
    }
}

TEST(SelectorBoxLayout, BoxesKeepTheirPlaceFromTheRightEdge) {
    const HeaderLayout classic;
    EXPECT_EQ(selector_box_rect(290, SelectorList::Year, classic), (Rect{152, 3, 216, 23}));
    EXPECT_EQ(selector_box_rect(297, SelectorList::Month, classic), (Rect{227, 3, 291, 23}));
    const HeaderLayout wide{selector_box_layout(32, 0), selector_box_layout(16, 12)};
    EXPECT_EQ(selector_box_rect(290, SelectorList::Month, wide), (Rect{216, 3, 284, 23}));
    EXPECT_EQ(selector_box_rect(290, SelectorList::Year, wide), (Rect{140, 3, 212, 23}));
}

TEST(SpinStep, YearArrowsStopOnePastTheEndOfTheList) {
    EXPECT_EQ(spin_step(SpinMode::YearDown, 1902, 5), (SpinStep{1901, 5, false}));
    EXPECT_EQ(spin_step(SpinMode::YearDown, 1901, 5), (SpinStep{1901, 5, true}));
    EXPECT_EQ(spin_step(SpinMode::YearUp, 2089, 5), (SpinStep{2090, 5, false}));
    EXPECT_EQ(spin_step(SpinMode::YearUp, 2090, 5), (SpinStep{2090, 5, true}));
}

TEST(SpinStep, MonthArrowsCrossYearsAndStopOnReachingTheEnds) {
    EXPECT_EQ(spin_step(SpinMode::MonthUp, 2019, 12), (SpinStep{2020, 1, false}));
    EXPECT_EQ(spin_step(SpinMode::MonthDown, 2020, 1), (SpinStep{2019, 12, false}));
    EXPECT_EQ(spin_step(SpinMode::MonthDown, 1901, 2), (SpinStep{1901, 1, true}));
    EXPECT_EQ(spin_step(SpinMode::MonthDown, 1901, 1), (SpinStep{1901, 1, true}));
    EXPECT_EQ(spin_step(SpinMode::MonthUp, 2090, 11), (SpinStep{2090, 12, true}));
    EXPECT_EQ(spin_step(SpinMode::MonthUp, 2090, 12), (SpinStep{2090, 12, true}));
    EXPECT_EQ(spin_step(SpinMode::None, 2020, 3), (SpinStep{2020, 3, false}));
}

TEST(SpinStep, LabelsOutsideTheListsAreBroughtIntoThem) {
    EXPECT_EQ(spin_step(SpinMode::YearUp, 2300, 7), (SpinStep{2090, 7, true}));
    EXPECT_EQ(spin_step(SpinMode::MonthUp, 1800, 0), (SpinStep{1901, 2, false}));
}

}  // namespace
}  // namespace moonleaf
