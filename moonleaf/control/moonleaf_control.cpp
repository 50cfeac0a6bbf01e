#include "moonleaf/control/moonleaf_control.h"

#include <algorithm>
#include <utility>

#include "moonleaf/control/month_painter.h"
#include "moonleaf/control/property_stream.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {
namespace {

using common::OleDate;

bool in_listed_years(int year) {
    return year >= kFirstListedYear && year <= kLastListedYear;
}

// Which label of a box a point lies on: 0 none, 1 the number, 2 the month box's "月".
int label_at(const SelectorBoxLayout& layout, Point at) {
    if (layout.number.contains(at)) return 1;
    return layout.suffix.contains(at) ? 2 : 0;
}

// Presses on a button count only away from its edge.
bool strictly_inside(const Rect& button, Point at) {
    return at.x > button.left && at.x < button.right && at.y > button.top && at.y < button.bottom;
}

}  // namespace

MoonleafControl::MoonleafControl(ControlHost& host, Canvas& canvas)
    : host_(host),
      canvas_(canvas),
      header_(measure_header(canvas)),
      year_list_(make_year_list()),
      month_list_(make_month_list()) {
    const common::YearMonthDay today = host_.now().ymd();
    year_label_ = today.year;
    month_label_ = today.month;
    draw_frame(canvas_, width_);
    draw_separators(canvas_, width_);
    draw_selector_boxes();
}

Rect MoonleafControl::selector_box(SelectorList list) const {
    return selector_box_rect(width_, list, header_);
}

Point MoonleafControl::box_local(SelectorList list, Point at) const {
    const Rect box = selector_box(list);
    return {at.x - box.left, at.y - box.top};
}

// A new instance takes every default, in the same order and through the same write
// accessors as a load from a bag that holds nothing.
Status MoonleafControl::init_new() {
    MemoryPropertyBag nothing_stored;
    return load(nothing_stored);
}

Status MoonleafControl::put(PropertyId id, const PropertyValue& value) {
    const PropertyInfo& info = property_info(id);
    const bool stored = std::visit(
        [&](auto field) {
            using T = std::remove_reference_t<decltype(properties_.*field)>;
            const T* typed = std::get_if<T>(&value);
            if (typed) properties_.*field = *typed;
            return typed != nullptr;
        },
        info.field);
    if (!stored) return Error{"抱歉，属性“" + std::string(info.name) + "”不接受这种类型的值。"};
    host_.property_changed(id);
    return redraw_after_write(info.redraw);
}

Status MoonleafControl::redraw_after_write(Redraw redraw) {
    switch (redraw) {
        case Redraw::BottomBand:
            return redraw_bottom_band();
        case Redraw::Grid:
            return redraw_grid();
        case Redraw::SelectorsThenTitleBand:
            return redraw_selector_boxes();
        case Redraw::WeekdayHeader:
            return redraw_weekday_header();
        case Redraw::ValueBands:
            return show_value();
        case Redraw::EveryBand:
            return redraw_after_big();
    }
    return {};
}

Status MoonleafControl::show_value() {
    Status status;
    // A year the list does not hold selects nothing and leaves the labels as they are.
    const common::YearMonthDay ymd = properties_.Value.ymd();
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
    draw_selector_label(canvas_, SelectorList::Year, header_.year, properties_.TitleBackColor,
                        year);
}

void MoonleafControl::set_month_label(int month) {
    if (month == month_label_) return;
    month_label_ = month;
    draw_selector_label(canvas_, SelectorList::Month, header_.month, properties_.TitleBackColor,
                        month);
}

// Like a window holding the mouse capture, the part that took the first press takes every
// press and the release until all buttons are up.
void MoonleafControl::mouse_down(Point at, MouseButton button) {
    if (press_target_ == PressTarget::None) {
        press_target_ = PressTarget::Control;
        for (SelectorList list : {SelectorList::Year, SelectorList::Month})
            if (selector_box(list).contains(at))
                press_target_ =
                    list == SelectorList::Year ? PressTarget::YearBox : PressTarget::MonthBox;
    }
    if (press_target_ == PressTarget::Control) {
        press_day_cell(at, button);
        return;
    }
    const SelectorList list = pressed_box();
    press_point_ = box_local(list, at);
    // The labels are controls of their own: a press on one is not a press on the box.
    if (label_at(header_.of(list), press_point_) == 0) press_selector_box(list, press_point_);
}

void MoonleafControl::mouse_up(Point at, MouseButton button) {
    if (press_target_ == PressTarget::None) return;
    if (press_target_ == PressTarget::Control) {
        press_target_ = PressTarget::None;
        // The press's click, if any, is this release's or nobody's.
        const bool pending = std::exchange(click_pending_, false);
        if (pending && button == MouseButton::Left && frame_rect(width_).contains(at) &&
            !on_selector(at))
            host_.raise_click();
        return;
    }
    const SelectorList list = pressed_box();
    press_target_ = PressTarget::None;
    const int pressed_label = label_at(header_.of(list), press_point_);
    if (pressed_label == 0) {
        release_selector_box(list);
    } else if (button == MouseButton::Left &&
               label_at(header_.of(list), box_local(list, at)) == pressed_label) {
        host_.show_drop_down(list);
    }
}

void MoonleafControl::mouse_capture_lost() {
    if (press_target_ == PressTarget::YearBox || press_target_ == PressTarget::MonthBox)
        release_selector_box(pressed_box());
    press_target_ = PressTarget::None;
    click_pending_ = false;
}

bool MoonleafControl::on_selector(Point at) const {
    return selector_box(SelectorList::Year).contains(at) ||
           selector_box(SelectorList::Month).contains(at);
}

SelectorList MoonleafControl::pressed_box() const {
    return press_target_ == PressTarget::YearBox ? SelectorList::Year : SelectorList::Month;
}

// Any button picks a day; only the left one makes the press a click.
void MoonleafControl::press_day_cell(Point at, MouseButton button) {
    // A captured mouse also reports presses outside the control; x 0 and 1 are the frame.
    if (at.y <= 45 || at.x < 2 || !frame_rect(width_).contains(at)) return;
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
    if (button == MouseButton::Left) click_pending_ = true;
}

void MoonleafControl::press_selector_box(SelectorList list, Point at) {
    const SelectorBoxLayout& layout = header_.of(list);
    const bool year = list == SelectorList::Year;
    const Colour background = properties_.TitleBackColor;
    if (strictly_inside(layout.left_arrow, at)) {
        draw_arrow_pressed(canvas_, list, layout.left_arrow, kLeftArrowGlyph, background);
        spin_mode_ = year ? SpinMode::YearDown : SpinMode::MonthDown;
    } else if (strictly_inside(layout.right_arrow, at)) {
        draw_arrow_pressed(canvas_, list, layout.right_arrow, kRightArrowGlyph, background);
        spin_mode_ = year ? SpinMode::YearUp : SpinMode::MonthUp;
    } else {
        if (strictly_inside(layout.drop_down, at)) host_.show_drop_down(list);
        return;
    }
    // A quick click steps as a held arrow's first step does; the timer only repeats it.
    spin_ticks_ = 0;
    if (spin_once()) host_.set_spin_timer(true);
}

void MoonleafControl::release_selector_box(SelectorList list) {
    host_.set_spin_timer(false);
    spin_mode_ = SpinMode::None;
    draw_buttons_at_rest(canvas_, list, header_.of(list), properties_.TitleBackColor);
}

void MoonleafControl::spin_timer_tick() {
    if (spin_mode_ == SpinMode::None || !spin_tick_steps(++spin_ticks_)) return;
    if (!spin_once()) host_.set_spin_timer(false);
}

// False when the step reached an end of the lists, where holding on goes no further.
bool MoonleafControl::spin_once() {
    const SpinStep step = spin_step(spin_mode_, year_label_, month_label_);
    move_to(step.year, step.month, properties_.Value.day_of_month());
    return !step.stop;
}

// Like a spin step, but a day at a time or a month at a time, within the listed years.
bool MoonleafControl::key_down(Key key) {
    if (key == Key::Enter) {
        host_.raise_click();
        return true;
    }
    const OleDate value = properties_.Value.date_only();
    const common::YearMonthDay ymd = value.ymd();
    OleDate target = value;
    const auto months_away = [&](int months) {
        const int index = ymd.year * 12 + ymd.month - 1 + months;
        const int year = index / 12, month = index % 12 + 1;
        return OleDate::from_ymd(year, month,
                                 std::min(ymd.day, common::days_in_month(year, month)));
    };
    switch (key) {
        case Key::Left:
            target = OleDate::from_day(value.day() - 1);
            break;
        case Key::Right:
            target = OleDate::from_day(value.day() + 1);
            break;
        case Key::Up:
            target = OleDate::from_day(value.day() - 7);
            break;
        case Key::Down:
            target = OleDate::from_day(value.day() + 7);
            break;
        case Key::PageUp:
            target = months_away(-1);
            break;
        case Key::PageDown:
            target = months_away(1);
            break;
        case Key::Home:
            target = OleDate::from_ymd(ymd.year, ymd.month, 1);
            break;
        case Key::End:
            target =
                OleDate::from_ymd(ymd.year, ymd.month, common::days_in_month(ymd.year, ymd.month));
            break;
        case Key::Enter:
            break;
    }
    target = std::clamp(target, OleDate::from_ymd(kFirstListedYear, 1, 1),
                        OleDate::from_ymd(kLastListedYear, 12, 31));
    const common::YearMonthDay to = target.ymd();
    move_to(to.year, to.month, to.day);
    return true;
}

// Shows a month with the labels and both lists following, `Value` set directly.
void MoonleafControl::move_to(int year, int month, int day) {
    set_year_label(year);
    set_month_label(month);
    year_list_.selected = year - kFirstListedYear;
    host_.list_selection_changed(SelectorList::Year, year_list_.selected);
    month_list_.selected = month - 1;
    host_.list_selection_changed(SelectorList::Month, month_list_.selected);
    set_value_directly(year, month, day);
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

// A new canvas font (another DPI) may draw the numbers wider or narrower.
void MoonleafControl::redraw_all() {
    header_ = measure_header(canvas_);
    draw_frame(canvas_, width_);
    (void)redraw_after_big();
    draw_separators(canvas_, width_);
    draw_selector_boxes();
}

void MoonleafControl::draw_selector_boxes() {
    const Colour background = properties_.TitleBackColor;
    draw_selector_box(canvas_, SelectorList::Year, header_.year, background, year_label_);
    draw_selector_box(canvas_, SelectorList::Month, header_.month, background, month_label_);
}

// Days of the shown month outside the lunar table are drawn without lunar texts; that is no
// error. Only a `Value` past the table's end is, as the methods that fall back to it fail.
Status MoonleafControl::redraw_grid() {
    const GridDrawing drawing = draw_grid(canvas_, properties_, width_);
    day_array_ = drawing.days;
    selected_cell_ = drawing.selected_cell;
    return {};
}

Status MoonleafControl::redraw_title_band() {
    const bool converted = draw_title_band(canvas_, properties_, width_);
    if (!converted && properties_.Value > kLastConvertibleDay) return Error{kLunarRangeMessage};
    return {};
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
    draw_selector_boxes();
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
