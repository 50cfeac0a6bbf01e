#include "moonleaf/control/month_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "moonleaf/control/holiday_mark.h"
#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {
namespace {

using common::OleDate;

constexpr int kDigitWidth = 6;
constexpr int kCharacterWidth = 12;
constexpr std::string_view kMonthSuffix = "月";

constexpr std::array<std::string_view, 7> kWeekdayNames = {"星期日", "星期一", "星期二", "星期三",
                                                           "星期四", "星期五", "星期六"};
constexpr std::array<std::string_view, 7> kCapitalWeekdayNames = {
    "星期日", "星期壹", "星期贰", "星期叁", "星期肆", "星期伍", "星期陆"};

// Lunar texts are shown only for a `Value` later than 1900-01-01 00:00.
bool shows_lunar_texts(OleDate value) {
    return value > OleDate::from_ymd(1900, 1, 1);
}

// Half of a pixel span, rounded to the nearest pixel, ties to even.
int half(int span) {
    return static_cast<int>(std::lrint(span / 2.0));
}

int character_count(std::string_view utf8) {
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

Colour column_colour(int column) {
    if (column == 0) return kRed;
    if (column == 6) return kBlue;
    return kBlack;
}

void draw_button(Canvas& canvas, Surface surface, const Rect& button, char glyph, Colour background,
                 EdgeStyle style) {
    canvas.fill_rect(surface, button, background);
    canvas.edge(surface, button, style);
    canvas.marlett_glyph(surface, button, glyph, kBlack);
}

// Draws the day's caption under its number, if the engine converts the day. Checked
// beforehand rather than caught, so that a month far outside costs no exceptions.
void draw_caption(Canvas& canvas, const Rect& cell, int w, OleDate day) {
    if (day < kFirstConvertibleDay || day > kLastConvertibleDay) return;
    const DayCaptionResult caption = DayCaption(day);
    const int x = cell.left + half(w - kCharacterWidth * character_count(caption.text));
    canvas.text(Surface::Control, {x, cell.top + 13}, caption.text,
                caption.festival ? kRed : kBlack);
}

}  // namespace

Surface box_surface(SelectorList list) {
    return list == SelectorList::Year ? Surface::YearBox : Surface::MonthBox;
}

void draw_frame(Canvas& canvas, int W) {
    canvas.edge(Surface::Control, frame_rect(W), EdgeStyle::Frame);
    canvas.present(Surface::Control);
}

void draw_separators(Canvas& canvas, int W) {
    for (int y : {25, 45, 213}) canvas.line(Surface::Control, {1, y}, {W - 2, y}, kBlack);
    canvas.present(Surface::Control);
}

GridDrawing draw_grid(Canvas& canvas, const ControlProperties& properties, int W) {
    const int w = cell_width(W);
    canvas.fill_rect(Surface::Control, day_grid_rect(W), properties.DateBackColor);
    if (properties.ShowHorizontalGrid)
        for (int i = 1; i <= 5; ++i)
            canvas.line(Surface::Control, {2, 28 * i + 45}, {W - 2, 28 * i + 45},
                        properties.GridLinesColor);
    if (properties.ShowVerticalGrid)
        for (int i = 1; i <= 6; ++i)
            canvas.line(Surface::Control, {w * i + 1, 45}, {w * i + 1, kControlHeight - 22},
                        properties.GridLinesColor);

    const common::YearMonthDay value = properties.Value.ymd();
    GridDrawing drawing;
    drawing.days = fill_day_array(value.year, value.month);
    const bool lunar = shows_lunar_texts(properties.Value);
    for (int k = 0; k < kCellCount; ++k) {
        const int d = drawing.days[static_cast<std::size_t>(k)];
        if (d == 0) continue;
        const Rect cell = cell_rect(W, k);
        if (d == value.day) {
            drawing.selected_cell = k;
            canvas.fill_rect(Surface::Control, cell, properties.SelectColor);
        }
        const std::string number = std::to_string(d);
        const int x = cell.left + half(w - kDigitWidth * static_cast<int>(number.size()));
        canvas.text(Surface::Control, {x, cell.top}, number, column_colour(k % 7));
        const OleDate date = OleDate::from_ymd(value.year, value.month, d);
        if (lunar) draw_caption(canvas, cell, w, date);
        if (properties.ShowHolidays) draw_holiday_mark(canvas, cell, date);
    }
    canvas.present(Surface::Control);
    return drawing;
}

void draw_weekday_header(Canvas& canvas, const ControlProperties& properties, int W) {
    const int w = cell_width(W);
    canvas.fill_rect(Surface::Control, weekday_header_rect(W), properties.WeekBackColor);
    const auto& names = properties.Big == 0 ? kWeekdayNames : kCapitalWeekdayNames;
    for (int i = 0; i < 7; ++i)
        canvas.text(Surface::Control, {i * w + 2 + half(w - 36), 30},
                    names[static_cast<std::size_t>(i)], column_colour(i));
    canvas.present(Surface::Control);
}

void draw_bottom_band(Canvas& canvas, const ControlProperties& properties, int W) {
    canvas.fill_rect(Surface::Control, bottom_band_rect(W), properties.BottomBackColor);
    if (shows_lunar_texts(properties.Value)) {
        const common::YearMonthDay value = properties.Value.ymd();
        const int length = common::days_in_month(value.year, value.month);
        bool first = true;
        for (int d = 1; d <= length; ++d) {
            const std::string_view term =
                SolarTermOf(OleDate::from_ymd(value.year, value.month, d));
            if (term == " ") continue;
            const Point at = first ? Point{8, 218} : Point{half(W), 218};
            canvas.text(Surface::Control, at, std::string(term) + "：" + std::to_string(d) + "日",
                        kBlack);
            first = false;
        }
    }
    canvas.present(Surface::Control);
}

bool draw_title_band(Canvas& canvas, const ControlProperties& properties, int W) {
    canvas.fill_rect(Surface::Control, title_band_rect(W), properties.TitleBackColor);
    bool complete = true;
    if (shows_lunar_texts(properties.Value)) {
        try {
            const LunarDate lunar = ToLunarDate(properties.Value);
            canvas.text(Surface::Control, {6, 7},
                        "农历" + std::string(CyclicalYearName(lunar.year)) +
                            std::string(LunarMonthName(lunar.month)) +
                            std::string(LunarDayName(lunar.day)),
                        kBlack);
            canvas.text(Surface::Control, {132, 7}, ZodiacAnimal(lunar.year), kBlack);
        } catch (const LunarRangeError&) {
            complete = false;
        }
    }
    canvas.present(Surface::Control);
    return complete;
}

namespace {
// The widest `digits`-digit number, whichever digits the font draws widest.
int widest_number(const Canvas& canvas, int digits) {
    int widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, canvas.text_width(std::string(digits, digit)));
    return widest;
}
}  // namespace

HeaderLayout measure_header(const Canvas& canvas) {
    return {selector_box_layout(widest_number(canvas, 4), 0),
            selector_box_layout(widest_number(canvas, 2), canvas.text_width(kMonthSuffix))};
}

void draw_selector_box(Canvas& canvas, SelectorList list, const SelectorBoxLayout& layout,
                       Colour background, int number) {
    const Surface surface = box_surface(list);
    canvas.fill_rect(surface, {0, 0, layout.width, kSelectorBoxHeight}, background);
    draw_buttons_at_rest(canvas, list, layout, background);
    draw_selector_label(canvas, list, layout, background, number);
}

void draw_buttons_at_rest(Canvas& canvas, SelectorList list, const SelectorBoxLayout& layout,
                          Colour background) {
    const Surface surface = box_surface(list);
    draw_button(canvas, surface, layout.left_arrow, kLeftArrowGlyph, background,
                EdgeStyle::ButtonAtRest);
    draw_button(canvas, surface, layout.right_arrow, kRightArrowGlyph, background,
                EdgeStyle::ButtonAtRest);
    draw_button(canvas, surface, layout.drop_down, kDropDownGlyph, background,
                EdgeStyle::ButtonAtRest);
    canvas.present(surface);
}

void draw_arrow_pressed(Canvas& canvas, SelectorList list, const Rect& button, char glyph,
                        Colour background) {
    const Surface surface = box_surface(list);
    draw_button(canvas, surface, button, glyph, background, EdgeStyle::ButtonPressed);
    canvas.present(surface);
}

void draw_selector_label(Canvas& canvas, SelectorList list, const SelectorBoxLayout& layout,
                         Colour background, int number) {
    const Surface surface = box_surface(list);
    const std::string digits = std::to_string(number);
    const int text_width = canvas.text_width(digits);
    const int y = layout.number.top + half(layout.number.height() - kCharacterWidth);
    canvas.fill_rect(surface, layout.number, background);
    if (list == SelectorList::Year) {
        canvas.text(surface, {layout.number.left + half(layout.number.width() - text_width), y},
                    digits, kBlack);
    } else {
        // The month number stands right-aligned against its "月".
        canvas.fill_rect(surface, layout.suffix, background);
        canvas.text(surface, {layout.number.right - text_width, y}, digits, kBlack);
        canvas.text(surface, {layout.suffix.left, y}, kMonthSuffix, kBlack);
    }
    canvas.present(surface);
}

}  // namespace moonleaf
