#include "moonleaf/control/moonleaf_control.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/control/control_fakes.h"

namespace moonleaf {
namespace {

using common::OleDate;
using testing::DrawCall;
using testing::FakeHost;
using testing::RecordingCanvas;

constexpr Point kYearBox{152, 3};
constexpr Point kMonthBox{220, 3};

Point at_box(Point box, int x, int y) {
    return {box.x + x, box.y + y};
}

FakeHost host_with_clock(OleDate clock) {
    FakeHost host;
    host.clock = clock;
    return host;
}

class MoonleafControlTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(control.init_new().ok()); }

    void set_value(int y, int m, int d) {
        ASSERT_TRUE(control.put_Value(OleDate::from_ymd(y, m, d)).ok());
        forget_history();
    }
    void forget_history() {
        host.changed.clear();
        host.selections.clear();
        canvas.calls.clear();
    }
    void click_at(Point at) {
        control.mouse_down(at, MouseButton::Left);
        control.mouse_up(at, MouseButton::Left);
    }
    // Holds an arrow, lets the timer tick up to `ticks` times, releases it.
    void hold(Point box, int x, int ticks) {
        control.mouse_down(at_box(box, x, 10), MouseButton::Left);
        for (int i = 0; i < ticks && host.timer_running; ++i) control.spin_timer_tick();
        control.mouse_up(at_box(box, x, 10), MouseButton::Left);
    }
    OleDate value() const { return control.get_Value(); }

    FakeHost host =
        host_with_clock(OleDate(OleDate::from_ymd(2020, 5, 23).serial() + 0.4));  // 09:36
    RecordingCanvas canvas;
    MoonleafControl control{host, canvas};
};

TEST_F(MoonleafControlTest, NewInstanceShowsTodayWithDefaults) {
    EXPECT_EQ(host.changed, testing::property_order());
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 5, 23));
    EXPECT_EQ(control.year_list().selected, 2020 - 1901);
    EXPECT_EQ(control.month_list().selected, 4);
    EXPECT_EQ(control.year_label(), 2020);
    EXPECT_EQ(control.month_label(), 5);
    EXPECT_EQ(control.selected_cell(), 27);  // 2020-05-01 was a Friday
    EXPECT_EQ(control.get_BottomBackColor(), 12632256u);
    EXPECT_TRUE(control.get_ShowVerticalGrid());
    EXPECT_TRUE(control.get_ShowHorizontalGrid());
    EXPECT_EQ(control.get_Big(), 0);
    EXPECT_EQ(control.year_list().items.size(), 190u);
    EXPECT_EQ(control.year_list().items.front(), "1901年");
    EXPECT_EQ(control.year_list().items.back(), "2090年");
    EXPECT_EQ(control.month_list().items[11], "12月");
}

// The documented defaults, in the documented order; a new instance holds them.
TEST_F(MoonleafControlTest, PropertyTableHoldsTheDocumentedDefaultsInOrder) {
    const std::pair<const char*, PropertyValue> documented[] = {
        {"BottomBackColor", Colour{12632256}},
        {"DateBackColor", Colour{14737632}},
        {"GridLinesColor", Colour{0x800000}},
        {"SelectColor", Colour{0xFFC0C0}},
        {"ShowVerticalGrid", true},
        {"ShowHorizontalGrid", true},
        {"TitleBackColor", Colour{12632256}},
        {"WeekBackColor", Colour{0xFFFFC0}},
        {"Value", OleDate::from_ymd(2020, 5, 23)},
        {"Big", std::int16_t{0}},
        {"ShowHolidays", false}};
    ASSERT_EQ(std::size(documented), kProperties.size());
    for (std::size_t i = 0; i < kProperties.size(); ++i) {
        EXPECT_EQ(kProperties[i].name, documented[i].first);
        EXPECT_EQ(control.get(kProperties[i].id), documented[i].second) << documented[i].first;
    }
}

TEST_F(MoonleafControlTest, CreationDrawsFrameSeparatorsAndBoxesWithTodaysLabels) {
    RecordingCanvas fresh;
    FakeHost fresh_host;
    fresh_host.clock = OleDate::from_ymd(2031, 11, 2);
    MoonleafControl created(fresh_host, fresh);
    EXPECT_EQ(fresh.calls[0].kind, DrawCall::Kind::Edge);
    EXPECT_EQ(fresh.calls[0].rect, (Rect{0, 0, 290, 235}));
    EXPECT_EQ(fresh.calls[0].edge, EdgeStyle::Frame);
    const auto separators = fresh.of_kind(DrawCall::Kind::Line);
    ASSERT_EQ(separators.size(), 3u);
    EXPECT_EQ(separators[2].from, (Point{1, 213}));
    EXPECT_EQ(separators[2].to, (Point{288, 213}));
    EXPECT_EQ(created.year_label(), 2031);
    EXPECT_EQ(created.month_label(), 11);
    EXPECT_EQ(fresh.texts(Surface::YearBox).at(0).text, "2031");
    EXPECT_EQ(fresh.texts(Surface::MonthBox).at(0).text, "11");
    EXPECT_TRUE(fresh_host.changed.empty());
}

TEST_F(MoonleafControlTest, PropertyWritesNotifyAndRedrawTheirPart) {
    forget_history();
    ASSERT_TRUE(control.put_BottomBackColor(0x0000FF).ok());
    EXPECT_EQ(host.changed, std::vector<std::string>{"BottomBackColor"});
    EXPECT_EQ(canvas.calls.back().kind, DrawCall::Kind::Present);
    EXPECT_EQ(canvas.filled_rects().back(), bottom_band_rect(290));

    canvas.calls.clear();
    ASSERT_TRUE(control.put_WeekBackColor(0x00FF00).ok());
    EXPECT_EQ(canvas.filled_rects(), std::vector<Rect>{weekday_header_rect(290)});

    canvas.calls.clear();
    ASSERT_TRUE(control.put_TitleBackColor(0x00FFFF).ok());
    // Both boxes take the colour before the title band is drawn.
    EXPECT_EQ(canvas.calls.front().surface, Surface::YearBox);
    EXPECT_EQ(canvas.calls.front().colour, 0x00FFFFu);
    EXPECT_EQ(canvas.filled_rects(Surface::Control), std::vector<Rect>{title_band_rect(290)});
    EXPECT_FALSE(canvas.filled_rects(Surface::MonthBox).empty());

    canvas.calls.clear();
    ASSERT_TRUE(control.put_Big(1).ok());
    const std::vector<Rect> bands = canvas.filled_rects();
    ASSERT_GE(bands.size(), 4u);
    EXPECT_EQ(bands[0], title_band_rect(290));
    EXPECT_EQ(bands[1], weekday_header_rect(290));
    EXPECT_EQ(bands[2], bottom_band_rect(290));
    EXPECT_EQ(bands[3], day_grid_rect(290));
    EXPECT_EQ(canvas.text_at({4, 30})->text, "星期日");
    EXPECT_EQ(canvas.text_at({45, 30})->text, "星期壹");

    canvas.calls.clear();
    ASSERT_TRUE(control.put_ShowHolidays(true).ok());
    EXPECT_EQ(canvas.filled_rects().front(), day_grid_rect(290));
    EXPECT_FALSE(canvas.of_kind(DrawCall::Kind::SmallText).empty());  // 端午节 in May 2020
}

TEST_F(MoonleafControlTest, WritingValueSelectsListItemsAndLabels) {
    forget_history();
    ASSERT_TRUE(control.put_Value(OleDate::from_ymd(2085, 6, 1)).ok());
    EXPECT_EQ(host.changed, std::vector<std::string>{"Value"});
    EXPECT_EQ(control.year_list().selected, 184);
    EXPECT_EQ(control.month_list().selected, 5);
    EXPECT_EQ(control.year_label(), 2085);
    EXPECT_EQ(control.month_label(), 6);
    EXPECT_EQ(value(), OleDate::from_ymd(2085, 6, 1));
    const std::vector<std::pair<SelectorList, int>> mirrored = {{SelectorList::Year, 184},
                                                                {SelectorList::Month, 5}};
    EXPECT_EQ(host.selections, mirrored);
    // Its own redraw comes last: title band, bottom band, grid.
    const std::vector<Rect> fills = canvas.filled_rects();
    const std::size_t n = fills.size();
    EXPECT_EQ(fills[n - 3], bottom_band_rect(290));
    EXPECT_EQ(fills[n - 2], day_grid_rect(290));
}

TEST_F(MoonleafControlTest, ValueWithATimeOfDayIsKeptAsWritten) {
    const OleDate evening(OleDate::from_ymd(2021, 3, 4).serial() + 0.75);
    ASSERT_TRUE(control.put_Value(evening).ok());
    EXPECT_EQ(value(), evening);
}

TEST_F(MoonleafControlTest, ValueOutsideTheListedYearsSelectsNothing) {
    ASSERT_TRUE(control.put_Value(OleDate::from_ymd(1850, 3, 3)).ok());
    EXPECT_EQ(value(), OleDate::from_ymd(1850, 3, 3));
    EXPECT_EQ(control.year_list().selected, 2020 - 1901);
    EXPECT_EQ(control.month_list().selected, 4);
    EXPECT_EQ(control.year_label(), 2020);
    EXPECT_EQ(control.month_label(), 5);
    EXPECT_EQ(control.selected_cell(), 7);  // 1850-03-01 was a Friday
}

TEST_F(MoonleafControlTest, DatesNoCalendarHoldsAreStoredAndDrawnWithoutLunarTexts) {
    // Not later than 1900-01-01: day numbers only, and no error.
    for (double serial : {std::numeric_limits<double>::quiet_NaN(), -1e300}) {
        forget_history();
        EXPECT_TRUE(control.put_Value(OleDate(serial)).ok());
        EXPECT_EQ(canvas.texts().size(), 31u);  // January of year 100, OLE's first
        EXPECT_FALSE(control.GetChineseYear(OleDate(0.0)).ok());
        click_at({100, 100});
    }
    // Far past the lunar table: the month of 9999-12-31, its terms, and the error.
    for (double serial : {std::numeric_limits<double>::infinity(), 1e300}) {
        forget_history();
        EXPECT_FALSE(control.put_Value(OleDate(serial)).ok());
        EXPECT_EQ(canvas.texts().size(), 31u + 2u);
        click_at({100, 100});  // cell 9
        EXPECT_EQ(value(), OleDate::from_ymd(9999, 12, fill_day_array(9999, 12)[9]));
    }
}

TEST_F(MoonleafControlTest, ValuePastTheLunarTableIsStoredAndReported) {
    const Status status = control.put_Value(OleDate::from_ymd(2091, 3, 1));
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), kLunarRangeMessage);
    EXPECT_EQ(value(), OleDate::from_ymd(2091, 3, 1));
    EXPECT_EQ(control.day_array()[4], 1);  // the grid is still drawn
    const Result<std::string> fallback = control.GetChineseDay(OleDate::from_ymd(2095, 1, 1));
    EXPECT_FALSE(fallback.ok());
    EXPECT_EQ(control.GetChineseDay(OleDate::from_ymd(2020, 1, 1)).value(), "初七");
}

// The first and last days of the table are valid: their months' days outside the table are
// drawn without lunar texts, and only the day after the last fails.
TEST_F(MoonleafControlTest, ValuesAtTheEndsOfTheLunarTableAreNoError) {
    for (const auto& [day, title] :
         {std::pair{OleDate::from_ymd(1900, 1, 31), "农历庚子年一月初一"},
          std::pair{OleDate::from_ymd(2091, 2, 17), "农历庚戌年十二月廿九"}}) {
        EXPECT_TRUE(control.put_Value(day).ok()) << day.iso();
        ASSERT_NE(canvas.text_at({6, 7}), nullptr);
        EXPECT_EQ(canvas.text_at({6, 7})->text, title);
    }
    EXPECT_FALSE(control.put_Value(OleDate::from_ymd(2091, 2, 18)).ok());
}

TEST_F(MoonleafControlTest, MethodsAnswerForTheirDateInRangeElseForValue) {
    const OleDate leap_day = OleDate::from_ymd(2020, 5, 23);
    EXPECT_EQ(control.GetChineseDate(leap_day).value(), "农历庚子年(闰)四月初一");
    EXPECT_EQ(control.GetChineseYear(leap_day).value(), "庚子年(闰)");
    EXPECT_EQ(control.GetChineseMonth(leap_day).value(), "四月");
    EXPECT_EQ(control.GetChineseDay(leap_day).value(), "初一");
    EXPECT_EQ(control.GetChineseAnimal(leap_day).value(), "鼠");
    EXPECT_EQ(control.GetConstellation(leap_day).value(), "双子座");

    set_value(2021, 2, 12);
    EXPECT_EQ(control.GetChineseAnimal(OleDate::from_ymd(1900, 12, 31)).value(), "牛");
    EXPECT_EQ(control.GetChineseAnimal(OleDate::from_ymd(1901, 1, 1)).value(), "鼠");
    const OleDate last_morning(OleDate::from_ymd(2090, 12, 31).serial() + 8.0 / 24);
    EXPECT_EQ(control.GetChineseDay(last_morning).value(), "初一");
    EXPECT_EQ(control.GetChineseDay(OleDate::from_ymd(2090, 12, 31)).value(), "十一");
    EXPECT_EQ(control.GetConstellation(OleDate(std::numeric_limits<double>::quiet_NaN())).value(),
              "水瓶座");
}

TEST_F(MoonleafControlTest, HolidayMethodsAnswerForTheirDateInRangeElseForValue) {
    EXPECT_FALSE(control.IsWorkday(OleDate::from_ymd(2026, 10, 2)));
    EXPECT_TRUE(control.IsWorkday(OleDate::from_ymd(2026, 10, 10)));
    EXPECT_EQ(control.GetHolidayName(OleDate::from_ymd(2026, 10, 2)), "国庆节");
    EXPECT_EQ(control.GetHolidayName(OleDate::from_ymd(2026, 10, 10)), "");

    set_value(2026, 2, 17);
    EXPECT_FALSE(control.IsWorkday(OleDate::from_ymd(1900, 12, 31)));
    EXPECT_EQ(control.GetHolidayName(OleDate::from_ymd(2091, 1, 1)), "春节");
    EXPECT_EQ(control.GetHolidayName(OleDate(std::numeric_limits<double>::quiet_NaN())), "春节");
}

TEST_F(MoonleafControlTest, PressOnADayCellSetsValueAndTheClickRaisesOnce) {
    set_value(2020, 1, 15);
    const Point day_24 = {220, 140};  // cell 26
    control.mouse_down(day_24, MouseButton::Left);
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 1, 24));
    EXPECT_TRUE(host.changed.empty());
    EXPECT_TRUE(control.click_pending());
    EXPECT_EQ(control.selected_cell(), 26);
    EXPECT_EQ(canvas.filled_rects().front(), title_band_rect(290));
    EXPECT_EQ(host.clicks, 0);
    control.mouse_up(day_24, MouseButton::Left);
    EXPECT_EQ(host.clicks, 1);
    EXPECT_FALSE(control.click_pending());
    click_at({100, 10});  // a later click without a press on a day
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(MoonleafControlTest, AnyButtonPicksADayButOnlyALeftPressReleasedOnTheGridClicks) {
    set_value(2020, 1, 15);
    for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
        control.mouse_down({220, 140}, button);
        control.mouse_up({220, 140}, button);
    }
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 1, 24));
    control.mouse_down({100, 140}, MouseButton::Left);  // released over the year selector
    control.mouse_up(at_box(kYearBox, 30, 10), MouseButton::Left);
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 1, 21));
    control.mouse_down({100, 140}, MouseButton::Left);  // the mouse was taken away
    control.mouse_capture_lost();
    click_at({100, 30});  // nothing of the earlier presses is left to click
    EXPECT_EQ(host.clicks, 0);
    EXPECT_FALSE(control.click_pending());
}

TEST_F(MoonleafControlTest, PressesOutsideDayCellsChangeNothing) {
    set_value(2020, 1, 15);
    for (Point at :
         {Point{10, 50},                 // cell 0, empty in January 2020
          Point{100, 35},                // weekday header
          Point{100, 10},                // title band
          Point{100, 220},               // bottom band
          Point{0, 80},                  // left frame edge: not cell 7
          Point{1, 80}, Point{289, 80},  // right frame edge: not the first cell of the next row
          Point{-1000, 100},             // outside, as a captured mouse reports it
          Point{100, 1 << 30}}) {
        click_at(at);
        EXPECT_EQ(value(), OleDate::from_ymd(2020, 1, 15)) << at.x << "," << at.y;
    }
    EXPECT_EQ(host.clicks, 0);
    EXPECT_FALSE(control.click_pending());
}

// From 2020-05-23 (and the ends of the listed years): where each key moves `Value`.
TEST_F(MoonleafControlTest, KeysMoveTheSelectedDayAndEnterClicks) {
    const struct {
        OleDate from;
        Key key;
        OleDate to;
    } moves[] = {
        {OleDate::from_ymd(2020, 5, 23), Key::Left, OleDate::from_ymd(2020, 5, 22)},
        {OleDate::from_ymd(2020, 5, 23), Key::Right, OleDate::from_ymd(2020, 5, 24)},
        {OleDate::from_ymd(2020, 5, 23), Key::Up, OleDate::from_ymd(2020, 5, 16)},
        {OleDate::from_ymd(2020, 5, 30), Key::Down, OleDate::from_ymd(2020, 6, 6)},
        {OleDate::from_ymd(2020, 3, 31), Key::PageUp, OleDate::from_ymd(2020, 2, 29)},
        {OleDate::from_ymd(2019, 12, 23), Key::PageDown, OleDate::from_ymd(2020, 1, 23)},
        {OleDate::from_ymd(2020, 5, 23), Key::Home, OleDate::from_ymd(2020, 5, 1)},
        {OleDate::from_ymd(2020, 2, 3), Key::End, OleDate::from_ymd(2020, 2, 29)},
        {OleDate::from_ymd(1901, 1, 1), Key::Left, OleDate::from_ymd(1901, 1, 1)},
        {OleDate::from_ymd(2090, 12, 31), Key::PageDown, OleDate::from_ymd(2090, 12, 31)},
    };
    for (const auto& move : moves) {
        ASSERT_TRUE(control.put_Value(move.from).ok());
        forget_history();
        EXPECT_TRUE(control.key_down(move.key));
        EXPECT_EQ(value(), move.to) << move.from.iso() << " " << static_cast<int>(move.key);
        EXPECT_EQ(control.year_label(), move.to.year());
        EXPECT_EQ(control.month_label(), move.to.month());
        EXPECT_EQ(control.month_list().selected, move.to.month() - 1);
        EXPECT_TRUE(host.changed.empty());  // set directly, as a press on a day does
    }
    EXPECT_EQ(host.clicks, 0);
    EXPECT_TRUE(control.key_down(Key::Enter));
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(MoonleafControlTest, ArrowStepsOnThePressAndStopsOnRelease) {
    set_value(2020, 3, 31);
    control.mouse_down(at_box(kMonthBox, 5, 10), MouseButton::Left);
    EXPECT_TRUE(host.timer_running);
    EXPECT_EQ(control.spin_mode(), SpinMode::MonthDown);
    EXPECT_EQ(canvas.of_kind(DrawCall::Kind::Edge, Surface::MonthBox).at(0).edge,
              EdgeStyle::ButtonPressed);
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 2, 29));
    control.mouse_up(at_box(kMonthBox, 5, 10), MouseButton::Left);
    EXPECT_FALSE(host.timer_running);
    EXPECT_EQ(control.spin_mode(), SpinMode::None);
    EXPECT_EQ(canvas.of_kind(DrawCall::Kind::Edge, Surface::MonthBox).back().edge,
              EdgeStyle::ButtonAtRest);
    control.spin_timer_tick();  // a tick already queued at the release
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 2, 29));
    EXPECT_TRUE(host.changed.empty());
    EXPECT_EQ(host.clicks, 0);

    hold(kYearBox, 45, 0);
    EXPECT_EQ(value(), OleDate::from_ymd(2021, 2, 28));
    EXPECT_EQ(control.year_label(), 2021);
}

// Ticks come every 100 ms: a click steps once, holding repeats from 400 ms on.
TEST_F(MoonleafControlTest, HeldArrowRepeatsAfterFourHundredMilliseconds) {
    const struct {
        int ticks;
        int months;
    } holds[] = {{0, 1}, {1, 1}, {3, 1}, {4, 2}, {5, 3}, {10, 8}};
    for (const auto& held : holds) {
        set_value(2020, 1, 15);
        hold(kMonthBox, 45, held.ticks);
        EXPECT_EQ(value(), OleDate::from_ymd(2020, 1 + held.months, 15)) << held.ticks;
        EXPECT_EQ(control.month_label(), 1 + held.months) << held.ticks;
        EXPECT_FALSE(host.timer_running) << held.ticks;
    }
}

TEST_F(MoonleafControlTest, MonthUpCrossesIntoTheNextYearEverywhere) {
    set_value(2019, 12, 10);
    hold(kMonthBox, 45, 0);
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 1, 10));
    EXPECT_EQ(control.year_label(), 2020);
    EXPECT_EQ(control.month_label(), 1);
    EXPECT_EQ(control.year_list().selected, 119);
    EXPECT_EQ(control.month_list().selected, 0);
    const std::vector<std::pair<SelectorList, int>> mirrored = {{SelectorList::Year, 119},
                                                                {SelectorList::Month, 0}};
    EXPECT_EQ(host.selections, mirrored);
    EXPECT_EQ(canvas.texts(Surface::YearBox).back().text, "2020");
    EXPECT_EQ(canvas.texts(Surface::MonthBox).front().text, "1");
}

TEST_F(MoonleafControlTest, ArrowsStopAtTheEndsOfTheLists) {
    set_value(1902, 6, 1);
    control.mouse_down(at_box(kYearBox, 5, 10), MouseButton::Left);
    EXPECT_EQ(control.year_label(), 1901);
    EXPECT_TRUE(host.timer_running);
    for (int tick = 0; tick < 4; ++tick) control.spin_timer_tick();
    EXPECT_FALSE(host.timer_running);
    EXPECT_EQ(value(), OleDate::from_ymd(1901, 6, 1));
    control.mouse_up(at_box(kYearBox, 5, 10), MouseButton::Left);

    set_value(1901, 2, 20);
    control.mouse_down(at_box(kMonthBox, 5, 10), MouseButton::Left);
    EXPECT_EQ(value(), OleDate::from_ymd(1901, 1, 20));
    EXPECT_FALSE(host.timer_running);  // reached the end with the press
    control.mouse_up(at_box(kMonthBox, 5, 10), MouseButton::Left);

    hold(kMonthBox, 5, 5);
    EXPECT_EQ(value(), OleDate::from_ymd(1901, 1, 20));
    set_value(2090, 12, 3);
    hold(kYearBox, 45, 5);
    EXPECT_EQ(value(), OleDate::from_ymd(2090, 12, 3));
}

TEST_F(MoonleafControlTest, HeldArrowKeepsTheMouseUntilItsRelease) {
    set_value(2020, 7, 7);
    control.mouse_down(at_box(kYearBox, 5, 10), MouseButton::Left);
    control.mouse_down({220, 140}, MouseButton::Right);  // goes to the held box, not a day cell
    control.mouse_up({220, 140}, MouseButton::Right);
    EXPECT_FALSE(host.timer_running);
    EXPECT_EQ(value(), OleDate::from_ymd(2019, 7, 7));  // the arrow's step, no day picked
    EXPECT_FALSE(control.click_pending());

    control.mouse_down(at_box(kMonthBox, 45, 10), MouseButton::Left);
    control.mouse_capture_lost();
    EXPECT_FALSE(host.timer_running);
    EXPECT_EQ(control.spin_mode(), SpinMode::None);
    control.mouse_up({100, 100}, MouseButton::Left);
    EXPECT_EQ(host.clicks, 0);
}

// With a font of wide digits the boxes grow to the left and the presses follow the arrows.
TEST(MoonleafControlWideFont, ArrowsAreWhereTheyAreDrawn) {
    RecordingCanvas canvas;
    canvas.digit_width = 8;
    FakeHost host;
    MoonleafControl control(host, canvas);
    ASSERT_TRUE(control.init_new().ok());
    const Rect year_box = control.selector_box(SelectorList::Year);
    EXPECT_EQ(year_box.width(), 72);
    EXPECT_EQ(control.selector_box(SelectorList::Month).right, 290 - 6);
    const Rect arrow = control.header().year.right_arrow;
    const Point on_arrow{year_box.left + (arrow.left + arrow.right) / 2, year_box.top + 10};
    control.mouse_down(on_arrow, MouseButton::Left);
    control.mouse_up(on_arrow, MouseButton::Left);
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2021, 5, 23));
    const auto pressed = canvas.of_kind(DrawCall::Kind::Edge, Surface::YearBox);
    EXPECT_EQ(pressed.at(pressed.size() - 4).rect, arrow);  // pressed, then three at rest
}

TEST_F(MoonleafControlTest, DropDownButtonAndLabelsOpenTheirLists) {
    click_at(at_box(kYearBox, 55, 10));
    click_at(at_box(kMonthBox, 55, 10));
    click_at(at_box(kYearBox, 20, 10));   // Label1
    click_at(at_box(kMonthBox, 20, 10));  // Label2
    click_at(at_box(kMonthBox, 30, 10));  // Label3
    const std::vector<SelectorList> opened = {SelectorList::Year, SelectorList::Month,
                                              SelectorList::Year, SelectorList::Month,
                                              SelectorList::Month};
    EXPECT_EQ(host.drop_downs, opened);
    // A press on a box edge (y not strictly inside 2..19) does nothing.
    click_at(at_box(kYearBox, 5, 19));
    EXPECT_FALSE(host.timer_running);
    EXPECT_EQ(host.drop_downs.size(), 5u);
    EXPECT_EQ(host.clicks, 0);
}

TEST_F(MoonleafControlTest, ListChoicesLimitTheDayToTheMonth) {
    set_value(2020, 1, 31);
    control.choose_from_list(SelectorList::Month, 1);
    EXPECT_EQ(value(), OleDate::from_ymd(2020, 2, 29));
    EXPECT_EQ(control.month_label(), 2);
    control.choose_from_list(SelectorList::Year, 2021 - 1901);
    EXPECT_EQ(value(), OleDate::from_ymd(2021, 2, 28));
    EXPECT_EQ(control.year_label(), 2021);
    EXPECT_EQ(control.year_list().selected, 120);
    EXPECT_TRUE(host.changed.empty());
    control.choose_from_list(SelectorList::Year, -1);  // nothing chosen
    control.choose_from_list(SelectorList::Month, 12);
    EXPECT_EQ(value(), OleDate::from_ymd(2021, 2, 28));
    // Title band, grid, bottom band, in that order.
    const std::vector<Rect> fills = canvas.filled_rects();
    ASSERT_GE(fills.size(), 3u);
    EXPECT_EQ(fills.back(), bottom_band_rect(290));
}

TEST_F(MoonleafControlTest, ResizeKeepsSevenPixelStepsAndRedraws) {
    EXPECT_EQ(control.resize({300, 100}), (Size{297, 235}));
    EXPECT_EQ(control.width(), 297);
    EXPECT_EQ(canvas.of_kind(DrawCall::Kind::Line).back().to, (Point{295, 213}));
    click_at({290, 80});  // now inside the last column
    EXPECT_EQ(control.selected_cell(), 13);
    EXPECT_EQ(control.resize({200, 500}), (Size{290, 235}));
}

}  // namespace
}  // namespace moonleaf
