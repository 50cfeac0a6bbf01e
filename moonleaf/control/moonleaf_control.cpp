#include "moonleaf/control/moonleaf_control.h"

#include <algorithm>
#include <utility>

#include "moonleaf/control/month_painter.h"
#include "moonleaf/control/property_stream.h"

namespace moonleaf {
namespace {

using common::OleDate;

Status lunar_status(bool complete) {
    return complete ? Status{} : Status{Error{kLunarRangeMessage}};
}

bool in_listed_years(int year) {
    return year >= kFirstListedYear && year <= kLastListedYear;
}

// Which label of a box a point lies on: 0 none, 1 the number, 2 the month box's "月".
int label_at(SelectorList list, Point at) {
    if (list == SelectorList::Year) return kYearLabel.contains(at) ? 1 : 0;
    if (kMonthNumberLabel.contains(at)) return 1;
    return kMonthSuffixLabel.contains(at) ? 2 : 0;
}

Point box_local(int W, SelectorList list, Point at) {
    const Rect box = selector_box_rect(W, list);
    return {at.x - box.left, at.y - box.top};
}

}  // namespace

MoonleafControl::MoonleafControl(ControlHost& host, Canvas& canvas)
    : host_(host), canvas_(canvas), year_list_(make_year_list()), month_list_(make_month_list()) {
    const common::YearMonthDay today = host_.now().ymd();
    year_label_ = today.year;
    month_label_ = today.month;
    draw_frame(canvas_, width_);
    draw_separators(canvas_, width_);
    draw_selector_box(canvas_, SelectorList::Year, properties_.TitleBackColor, year_label_);
    draw_selector_box(canvas_, SelectorList::Month, properties_.TitleBackColor, month_label_);
}

// A new instance takes every default, in the same order and through the same write
// accessors as a load from a bag that holds nothing.
Status MoonleafControl::init_new() {
    MemoryPropertyBag nothing_stored;
    return load(nothing_stored);
}

template <class T>
Status MoonleafControl::write_property(T ControlProperties::*field, T value, const char* name,
                                       Status (MoonleafControl::*redraw)()) {
    properties_.*field = value;
    host_.property_changed(name);
    return (this->*redraw)();
}

Status MoonleafControl::put_BottomBackColor(Colour colour) {
    return write_property(&ControlProperties::BottomBackColor, colour, "BottomBackColor",
                          &MoonleafControl::redraw_bottom_band);
}
Status MoonleafControl::put_DateBackColor(Colour colour) {
    return write_property(&ControlProperties::DateBackColor, colour, "DateBackColor",
                          &MoonleafControl::redraw_grid);
}
Status MoonleafControl::put_GridLinesColor(Colour colour) {
    return write_property(&ControlProperties::GridLinesColor, colour, "GridLinesColor",
                          &MoonleafControl::redraw_grid);
}
Status MoonleafControl::put_SelectColor(Colour colour) {
    return write_property(&ControlProperties::SelectColor, colour, "SelectColor",
                          &MoonleafControl::redraw_grid);
}
Status MoonleafControl::put_ShowVerticalGrid(bool show) {
    return write_property(&ControlProperties::ShowVerticalGrid, show, "ShowVerticalGrid",
                          &MoonleafControl::redraw_grid);
}
Status MoonleafControl::put_ShowHorizontalGrid(bool show) {
    return write_property(&ControlProperties::ShowHorizontalGrid, show, "ShowHorizontalGrid",
                          &MoonleafControl::redraw_grid);
}
Status MoonleafControl::put_TitleBackColor(Colour colour) {
    return write_property(&ControlProperties::TitleBackColor, colour, "TitleBackColor",
                          &MoonleafControl::redraw_selector_boxes);
}
Status MoonleafControl::put_WeekBackColor(Colour colour) {
    return write_property(&ControlProperties::WeekBackColor, colour, "WeekBackColor",
                          &MoonleafControl::redraw_weekday_header);
}
Status MoonleafControl::put_Big(std::int16_t big) {
    return write_property(&ControlProperties::Big, big, "Big", &MoonleafControl::redraw_after_big);
}

Status MoonleafControl::put_Value(OleDate value) {
    properties_.Value = value;
    host_.property_changed("Value");
    Status status;
    // A year the list does not hold selects nothing and leaves the labels as they are.
    const common::YearMonthDay ymd = value.ymd();
    if (in_listed_years(ymd.year)) {
        status = select_list_item(SelectorList::Year, ymd.year - kFirstListedYear);
        status.keep_first_failure(select_list_item(SelectorList::Month, ymd.month - 1));
    }
    status.keep_first_failure(redraw_title_band());
    status.keep_first_failure(redraw_bottom_band());
    status.keep_first_failure(redraw_grid());
    return status;
}

// Selecting an item from code runs the same handler as the user's choice.
Status MoonleafControl::select_list_item(SelectorList list, int index) {
    (list == SelectorList::Year ? year_list_ : month_list_).selected = index;
    host_.list_selection_changed(list, index);
    return on_list_choice(list, index);
}

void MoonleafControl::choose_from_list(SelectorList list, int index) {
    SelectorListModel& model = list == SelectorList::Year ? year_list_ : month_list_;
    if (index < 0 || index >= static_cast<int>(model.items.size())) return;
    model.selected = index;
    (void)on_list_choice(list, index);
}

Status MoonleafControl::on_list_choice(SelectorList list, int index) {
    const common::YearMonthDay value = properties_.Value.ymd();
    const int year = list == SelectorList::Year ? kFirstListedYear + index : value.year;
    const int month = list == SelectorList::Month ? index + 1 : value.month;
    set_value_directly(year, month, value.day);
    set_year_label(year);
    if (list == SelectorList::Month) set_month_label(month);
    return redraw_month();
}

// Sets `Value` without telling the host, the day limited to the month's length. A `Value`
// already on that day keeps its time of day.
void MoonleafControl::set_value_directly(int year, int month, int day) {
    const OleDate target =
        OleDate::from_ymd(year, month, std::min(day, common::days_in_month(year, month)));
    if (target != properties_.Value.date_only()) properties_.Value = target;
}

void MoonleafControl::set_year_label(int year) {
    if (year == year_label_) return;
    year_label_ = year;
    draw_selector_label(canvas_, SelectorList::Year, properties_.TitleBackColor, year);
}

void MoonleafControl::set_month_label(int month) {
    if (month == month_label_) return;
    month_label_ = month;
    draw_selector_label(canvas_, SelectorList::Month, properties_.TitleBackColor, month);
}

// Like a window holding the mouse capture, the part that took the first press takes every
// press and the release until all buttons are up.
void MoonleafControl::mouse_down(Point at, MouseButton /*button*/) {
    if (press_target_ == PressTarget::None) {
        press_target_ = PressTarget::Control;
        for (SelectorList list : {SelectorList::Year, SelectorList::Month})
            if (selector_box_rect(width_, list).contains(at))
                press_target_ =
                    list == SelectorList::Year ? PressTarget::YearBox : PressTarget::MonthBox;
    }
    if (press_target_ == PressTarget::Control) {
        press_day_cell(at);
        return;
    }
    const SelectorList list = pressed_box();
    press_point_ = box_local(width_, list, at);
    // The labels are controls of their own: a press on one is not a press on the box.
    if (label_at(list, press_point_) == 0) press_selector_box(list, press_point_);
}

void MoonleafControl::mouse_up(Point at, MouseButton button) {
    if (press_target_ == PressTarget::None) return;
    if (press_target_ == PressTarget::Control) {
        press_target_ = PressTarget::None;
        if (button == MouseButton::Left && frame_rect(width_).contains(at)) on_click();
        return;
    }
    const SelectorList list = pressed_box();
    press_target_ = PressTarget::None;
    const int pressed_label = label_at(list, press_point_);
    if (pressed_label == 0) {
        release_selector_box(list);
    } else if (button == MouseButton::Left &&
               label_at(list, box_local(width_, list, at)) == pressed_label) {
        host_.show_drop_down(list);
    }
}

void MoonleafControl::mouse_capture_lost() {
    if (press_target_ == PressTarget::YearBox || press_target_ == PressTarget::MonthBox)
        release_selector_box(pressed_box());
    press_target_ = PressTarget::None;
}

SelectorList MoonleafControl::pressed_box() const {
    return press_target_ == PressTarget::YearBox ? SelectorList::Year : SelectorList::Month;
}

void MoonleafControl::press_day_cell(Point at) {
    // A captured mouse also reports presses outside the control.
    if (at.y <= 45 || !frame_rect(width_).contains(at)) return;
    const int w = cell_width(width_);
    const int column = (at.x - 2) / w;
    const int row = (at.y - 46) / kRowHeight;
    // Past the last column lies the frame, not the first cell of the next row.
    if (column > 6) return;
    const int k = row * 7 + column;
    if (k >= kCellCount) return;
    const int d = day_array_[static_cast<std::size_t>(k)];
    if (d == 0) return;
    const common::YearMonthDay value = properties_.Value.ymd();
    set_value_directly(value.year, value.month, d);
    (void)redraw_title_band();
    (void)redraw_grid();
    click_pending_ = true;
}

void MoonleafControl::on_click() {
    if (!click_pending_) return;
    click_pending_ = false;
    host_.raise_click();
}

void MoonleafControl::press_selector_box(SelectorList list, Point at) {
    if (at.y <= 2 || at.y >= 19) return;
    const bool year = list == SelectorList::Year;
    const Colour background = properties_.TitleBackColor;
    if (at.x > 1 && at.x < 13) {
        draw_arrow_pressed(canvas_, list, kLeftArrowButton, kLeftArrowGlyph, background);
        spin_mode_ = year ? SpinMode::YearDown : SpinMode::MonthDown;
        host_.set_spin_timer(true);
    } else if (at.x > 38 && at.x < 50) {
        draw_arrow_pressed(canvas_, list, kRightArrowButton, kRightArrowGlyph, background);
        spin_mode_ = year ? SpinMode::YearUp : SpinMode::MonthUp;
        host_.set_spin_timer(true);
    } else if (at.x > 50 && at.x < 62) {
        host_.show_drop_down(list);
    }
}

void MoonleafControl::release_selector_box(SelectorList list) {
    host_.set_spin_timer(false);
    spin_mode_ = SpinMode::None;
    draw_buttons_at_rest(canvas_, list, properties_.TitleBackColor);
}

void MoonleafControl::spin_timer_tick() {
    if (spin_mode_ == SpinMode::None) return;
    const SpinStep step = spin_step(spin_mode_, year_label_, month_label_);
    if (step.stop) host_.set_spin_timer(false);
    set_year_label(step.year);
    set_month_label(step.month);
    year_list_.selected = step.year - kFirstListedYear;
    host_.list_selection_changed(SelectorList::Year, year_list_.selected);
    month_list_.selected = step.month - 1;
    host_.list_selection_changed(SelectorList::Month, month_list_.selected);
    set_value_directly(step.year, step.month, properties_.Value.day_of_month());
    (void)redraw_month();
}

Size MoonleafControl::resize(Size requested) {
    width_ = resized_width(requested.width);
    draw_frame(canvas_, width_);
    (void)redraw_grid();
    (void)redraw_weekday_header();
    (void)redraw_bottom_band();
    (void)redraw_title_band();
    draw_separators(canvas_, width_);
    return {width_, kControlHeight};
}

void MoonleafControl::redraw_all() {
    draw_frame(canvas_, width_);
    (void)redraw_after_big();
    draw_separators(canvas_, width_);
    draw_selector_box(canvas_, SelectorList::Year, properties_.TitleBackColor, year_label_);
    draw_selector_box(canvas_, SelectorList::Month, properties_.TitleBackColor, month_label_);
}

Status MoonleafControl::redraw_grid() {
    const GridDrawing drawing = draw_grid(canvas_, properties_, width_);
    day_array_ = drawing.days;
    selected_cell_ = drawing.selected_cell;
    return lunar_status(drawing.lunar_complete);
}

Status MoonleafControl::redraw_title_band() {
    return lunar_status(draw_title_band(canvas_, properties_, width_));
}

Status MoonleafControl::redraw_bottom_band() {
    draw_bottom_band(canvas_, properties_, width_);
    return {};
}

Status MoonleafControl::redraw_weekday_header() {
    draw_weekday_header(canvas_, properties_, width_);
    return {};
}

Status MoonleafControl::redraw_selector_boxes() {
    draw_selector_box(canvas_, SelectorList::Year, properties_.TitleBackColor, year_label_);
    draw_selector_box(canvas_, SelectorList::Month, properties_.TitleBackColor, month_label_);
    return redraw_title_band();
}

Status MoonleafControl::redraw_after_big() {
    Status status = redraw_title_band();
    status.keep_first_failure(redraw_weekday_header());
    status.keep_first_failure(redraw_bottom_band());
    status.keep_first_failure(redraw_grid());
    return status;
}

// After a list choice or a spin step.
Status MoonleafControl::redraw_month() {
    Status status = redraw_title_band();
    status.keep_first_failure(redraw_grid());
    status.keep_first_failure(redraw_bottom_band());
    return status;
}

}  // namespace moonleaf
