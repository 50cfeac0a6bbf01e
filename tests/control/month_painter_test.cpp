#include "moonleaf/control/month_painter.h"

#include <gtest/gtest.h>

#include "tests/control/control_fakes.h"

namespace moonleaf {
namespace {

using common::OleDate;
using testing::DrawCall;
using testing::RecordingCanvas;

ControlProperties showing(int year, int month, int day) {
    ControlProperties properties;
    properties.Value = OleDate::from_ymd(year, month, day);
    return properties;
}

TEST(DrawGrid, FillsLinesThenDaysAndPresents) {
    RecordingCanvas canvas;
    const GridDrawing drawing = draw_grid(canvas, showing(2020, 10, 1), 290);
    ASSERT_GE(canvas.calls.size(), 12u);
    EXPECT_EQ(canvas.calls[0].kind, DrawCall::Kind::Fill);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{2, 46, 288, 213}));
    EXPECT_EQ(canvas.calls[0].colour, 0xE0E0E0u);
    const auto lines = canvas.of_kind(DrawCall::Kind::Line);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].from, (Point{2, 73}));
    EXPECT_EQ(lines[4].to, (Point{288, 185}));
    EXPECT_EQ(lines[5].from, (Point{42, 45}));
    EXPECT_EQ(lines[10].to, (Point{247, 213}));
    for (const DrawCall& line : lines) EXPECT_EQ(line.colour, 0x800000u);
    EXPECT_EQ(canvas.calls.back().kind, DrawCall::Kind::Present);
    EXPECT_EQ(drawing.selected_cell, 4);
}

TEST(DrawGrid, GridLinesFollowTheirFlags) {
    ControlProperties properties = showing(2020, 10, 1);
    properties.ShowHorizontalGrid = false;
    RecordingCanvas canvas;
    draw_grid(canvas, properties, 290);
    auto lines = canvas.of_kind(DrawCall::Kind::Line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].from.x, lines[0].to.x);
    properties.ShowVerticalGrid = false;
    canvas.calls.clear();
    draw_grid(canvas, properties, 290);
    EXPECT_TRUE(canvas.of_kind(DrawCall::Kind::Line).empty());
}

TEST(DrawGrid, SelectedCellAndCentredTexts) {
    RecordingCanvas canvas;
    draw_grid(canvas, showing(2020, 10, 1), 290);
    // 2020-10-01 is a Thursday: cell 4, filled in the selection colour before its texts.
    EXPECT_EQ(canvas.calls[12].kind, DrawCall::Kind::Fill);
    EXPECT_EQ(canvas.calls[12].rect, (Rect{166, 46, 206, 73}));
    EXPECT_EQ(canvas.calls[12].colour, 0xFFC0C0u);
    const DrawCall* day = canvas.text_at({184, 46});
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->text, "1");
    EXPECT_EQ(day->colour, kBlack);
    // The lunar festival wins over the national day, in red, three characters centred.
    const DrawCall* caption = canvas.text_at({168, 59});
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text, "中秋节");
    EXPECT_EQ(caption->colour, kRed);
    // Sunday the 4th in red, Saturday the 10th in blue, the two-digit 10 placed further left.
    EXPECT_EQ(canvas.text_at({20, 74})->colour, kRed);
    EXPECT_EQ(canvas.text_at({262, 74})->text, "10");
    EXPECT_EQ(canvas.text_at({262, 74})->colour, kBlue);
    EXPECT_EQ(canvas.text_at({256, 87})->text, "廿四");
    EXPECT_EQ(canvas.text_at({256, 87})->colour, kBlack);
}

TEST(DrawGrid, NewYearsEveShowsItsFestival) {
    RecordingCanvas canvas;
    draw_grid(canvas, showing(2020, 1, 1), 290);
    const DrawCall* caption = canvas.text_at({215, 143});  // 2020-01-24, cell 26
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text, "除夕");
    EXPECT_EQ(caption->colour, kRed);
}

TEST(DrawGrid, NoLunarTextsUpToTheFirstOf1900) {
    RecordingCanvas canvas;
    const GridDrawing drawing = draw_grid(canvas, showing(1900, 1, 1), 290);
    EXPECT_EQ(canvas.texts().size(), 31u);  // day numbers only
    EXPECT_EQ(drawing.selected_cell, 1);
}

TEST(DrawGrid, DaysPastTheLunarTableAreDrawnWithoutCaptions) {
    RecordingCanvas canvas;
    draw_grid(canvas, showing(2091, 2, 1), 290);
    // 28 numbers, and captions for the 17 days up to 2091-02-17.
    EXPECT_EQ(canvas.texts().size(), 28u + 17u);
}

TEST(DrawGrid, HolidayMarksInTheCornerOnlyWhenShown) {
    ControlProperties properties = showing(2026, 10, 1);
    RecordingCanvas canvas;
    draw_grid(canvas, properties, 290);
    EXPECT_TRUE(canvas.of_kind(DrawCall::Kind::SmallText).empty());

    properties.ShowHolidays = true;
    draw_grid(canvas, properties, 290);
    const auto marks = canvas.of_kind(DrawCall::Kind::SmallText);
    ASSERT_EQ(marks.size(), 8u);  // 国庆节 1-7, then the makeup Saturday the 10th
    // The 1st is a Thursday (cell 4, 166-206): the mark sits in its top right corner.
    EXPECT_EQ(marks[0].from, (Point{196, 47}));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(marks[static_cast<std::size_t>(i)].text, "休");
        EXPECT_EQ(marks[static_cast<std::size_t>(i)].colour, kRed);
    }
    EXPECT_EQ(marks[7].text, "班");
    EXPECT_EQ(marks[7].colour, kBlack);
    EXPECT_EQ(marks[7].from, (Point{278, 75}));  // the 10th, Saturday, cell 13
}

TEST(DrawWeekdayHeader, NamesFollowBig) {
    RecordingCanvas canvas;
    ControlProperties properties = showing(2020, 1, 1);
    draw_weekday_header(canvas, properties, 290);
    auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{2, 26, 288, 45}));
    EXPECT_EQ(canvas.calls[0].colour, 0xFFFFC0u);
    EXPECT_EQ(texts[0].text, "星期日");
    EXPECT_EQ(texts[0].from, (Point{4, 30}));
    EXPECT_EQ(texts[0].colour, kRed);
    EXPECT_EQ(texts[1].text, "星期一");
    EXPECT_EQ(texts[6].from, (Point{250, 30}));
    EXPECT_EQ(texts[6].colour, kBlue);
    properties.Big = -3;
    canvas.calls.clear();
    draw_weekday_header(canvas, properties, 290);
    texts = canvas.texts();
    const char* capitals[] = {"星期日", "星期壹", "星期贰", "星期叁", "星期肆", "星期伍", "星期陆"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(texts[i].text, capitals[i]);
}

TEST(DrawBottomBand, NamesTheMonthsTwoSolarTerms) {
    RecordingCanvas canvas;
    draw_bottom_band(canvas, showing(2020, 1, 15), 290);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{2, 214, 288, 233}));
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "小寒：6日");
    EXPECT_EQ(texts[0].from, (Point{8, 218}));
    EXPECT_EQ(texts[1].text, "大寒：20日");
    EXPECT_EQ(texts[1].from, (Point{145, 218}));
    canvas.calls.clear();
    draw_bottom_band(canvas, showing(2020, 1, 15), 297);
    EXPECT_EQ(canvas.texts()[1].from, (Point{148, 218}));  // 148.5 to even
}

TEST(DrawTitleBand, LunarDateWithoutLeapMarkerAndAnimal) {
    RecordingCanvas canvas;
    EXPECT_TRUE(draw_title_band(canvas, showing(2020, 5, 23), 290));
    EXPECT_EQ(canvas.calls[0].rect, (Rect{2, 2, 288, 25}));
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "农历庚子年四月初一");
    EXPECT_EQ(texts[0].from, (Point{6, 7}));
    EXPECT_EQ(texts[1].text, "鼠");
    EXPECT_EQ(texts[1].from, (Point{132, 7}));
    canvas.calls.clear();
    EXPECT_FALSE(draw_title_band(canvas, showing(2091, 2, 18), 290));
    EXPECT_TRUE(canvas.texts().empty());
}

TEST(DrawSelectorBox, ButtonsAtRestAndPressed) {
    RecordingCanvas canvas;
    const HeaderLayout header = measure_header(canvas);
    draw_selector_box(canvas, SelectorList::Month, header.month, 0x123456, 7);
    EXPECT_EQ(canvas.filled_rects(Surface::MonthBox).size(), 6u);  // box, 3 buttons, 2 labels
    EXPECT_EQ(canvas.calls[0].surface, Surface::MonthBox);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{0, 0, 64, 20}));
    const auto glyphs = canvas.of_kind(DrawCall::Kind::Glyph, Surface::MonthBox);
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].glyph, '3');
    EXPECT_EQ(glyphs[1].rect, (Rect{38, 2, 50, 19}));
    EXPECT_EQ(glyphs[2].glyph, '6');
    for (const DrawCall& e : canvas.of_kind(DrawCall::Kind::Edge, Surface::MonthBox))
        EXPECT_EQ(e.edge, EdgeStyle::ButtonAtRest);
    const auto texts = canvas.texts(Surface::MonthBox);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "7");
    EXPECT_EQ(texts[1].text, "月");
    canvas.calls.clear();
    draw_arrow_pressed(canvas, SelectorList::Year, header.year.left_arrow, kLeftArrowGlyph,
                       0x123456);
    EXPECT_EQ(canvas.of_kind(DrawCall::Kind::Edge, Surface::YearBox).at(0).edge,
              EdgeStyle::ButtonPressed);
}

// A fallback font with digits wider than 6 pixels: every number stays between its arrows.
TEST(DrawSelectorBox, NumbersOfAWideFontStayClearOfTheArrows) {
    for (int digit_width : {6, 7, 8, 11}) {
        RecordingCanvas canvas;
        canvas.digit_width = digit_width;
        const HeaderLayout header = measure_header(canvas);
        draw_selector_box(canvas, SelectorList::Year, header.year, 0, 2026);
        draw_selector_box(canvas, SelectorList::Month, header.month, 0, 12);
        const auto year = canvas.texts(Surface::YearBox).at(0);
        EXPECT_GE(year.from.x, header.year.left_arrow.right) << digit_width;
        EXPECT_LT(year.from.x + 4 * digit_width, header.year.right_arrow.left) << digit_width;
        const auto month = canvas.texts(Surface::MonthBox);
        ASSERT_EQ(month.size(), 2u);
        EXPECT_GE(month[0].from.x, header.month.left_arrow.right) << digit_width;
        EXPECT_LE(month[0].from.x + 2 * digit_width, month[1].from.x) << digit_width;
        EXPECT_LE(month[1].from.x + 12, header.month.right_arrow.left) << digit_width;
        const auto glyphs = canvas.of_kind(DrawCall::Kind::Glyph, Surface::YearBox);
        EXPECT_EQ(glyphs.at(1).rect, header.year.right_arrow);
        EXPECT_EQ(canvas.calls.at(0).rect.width(), header.year.width);
    }
}

}  // namespace
}  // namespace moonleaf
