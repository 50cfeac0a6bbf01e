#pragma once

#include <cstdint>
#include <string>

#include "common/ole_date.h"
#include "moonleaf/control/canvas.h"
#include "moonleaf/control/control_host.h"
#include "moonleaf/control/control_properties.h"
#include "moonleaf/control/month_layout.h"
#include "moonleaf/control/property_bag.h"
#include "moonleaf/control/selector_list.h"
#include "moonleaf/control/spin_step.h"
#include "moonleaf/control/status.h"

namespace moonleaf {

enum class MouseButton { Left, Right, Middle };

// The keys the control answers while it has the keyboard focus (after UI activation): the
// arrows move the selected day, Page Up/Down the month, Home/End to the month's first and last
// day, Enter picks the selected day as a click on it does.
enum class Key { Left, Right, Up, Down, PageUp, PageDown, Home, End, Enter };

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// One instance of the calendar control: its properties, lists and labels, the lunar methods,
// persistence and the month view's input handling. The COM object owns one and forwards to it:
//   construction      when the object is created (draws the frame, boxes and labels);
//   init_new / load   right after construction (the constructor sets no property), then again
//                     on IPersistPropertyBag::InitNew / Load (and IPersistStreamInit, see
//                     property_stream.h): both may run any number of times; save for Save;
//   get_X / put_X     the property accessors of `_Moonleaf`; a failed Status becomes an error
//                     HRESULT with its message;
//   GetChinese…       the six almanac methods, IsWorkday and GetHolidayName;
//   mouse_down/up     WM_xBUTTONDOWN/UP anywhere on the control, in control coordinates (the
//                     selector boxes included; the control routes them); capture the mouse
//                     from the press to the release, mouse_capture_lost when it is taken away;
//   spin_timer_tick   each expiry of the timer started by ControlHost::set_spin_timer;
//   choose_from_list  CBN_SELCHANGE of the year or month combo box;
//   resize            a new extent: size the control's bitmap to resized_width(width) ×
//                     kControlHeight first (the control draws into it at once), then apply the
//                     returned size and move the boxes and combo boxes (selector_box).
// Nothing here throws; drawing goes to the canvas given at construction.
class MoonleafControl {
  public:
    MoonleafControl(ControlHost& host, Canvas& canvas);
    MoonleafControl(const MoonleafControl&) = delete;
    MoonleafControl& operator=(const MoonleafControl&) = delete;

    // A control placed for the first time: every property takes its default through its
    // write accessor, `Value` being today.
    Status init_new();
    // Restores the properties from a bag in their fixed order through the write accessors; a
    // missing, mistyped or out-of-range entry takes its default.
    Status load(PropertyBag& bag);
    // Stores every property that differs from its default. False when the bag refused one.
    bool save(PropertyBag& bag) const;

    // Each write stores, tells the host, and redraws what shows the property. The only failure
    // is a `Value` past the end of the lunar table: the value is kept and drawn without its
    // lunar texts, and the write reports the error.
    PropertyValue get(PropertyId id) const { return value_of(properties_, id); }
    // `value` holds the property's own type; another type is refused.
    Status put(PropertyId id, const PropertyValue& value);
#define MOONLEAF_ACCESSORS(name, id, type, fallback, redraw) \
    type get_##name() const {                                \
        return properties_.name;                             \
    }                                                        \
    Status put_##name(type value) {                          \
        return put(PropertyId::name, PropertyValue(value));  \
    }
    MOONLEAF_PROPERTIES(MOONLEAF_ACCESSORS)
#undef MOONLEAF_ACCESSORS

    // Lunar facts of theDate, or of `Value` when theDate is not within 1901-01-01 00:00 …
    // 2090-12-31 00:00. Fails only when that falls back to a `Value` the engine cannot convert.
    Result<std::string> GetChineseDate(common::OleDate theDate) const;
    Result<std::string> GetChineseYear(common::OleDate theDate) const;
    Result<std::string> GetChineseMonth(common::OleDate theDate) const;
    Result<std::string> GetChineseDay(common::OleDate theDate) const;
    Result<std::string> GetChineseAnimal(common::OleDate theDate) const;
    Result<std::string> GetConstellation(common::OleDate theDate) const;
    // The official schedule of theDate, with the same fallback to `Value`: whether it is a
    // workday (Monday to Friday, or a makeup workday, unless an off day) and the holiday it is
    // a day of, or "".
    bool IsWorkday(common::OleDate theDate) const;
    std::string GetHolidayName(common::OleDate theDate) const;

    void mouse_down(Point at, MouseButton button);
    void mouse_up(Point at, MouseButton button);
    // The press ended without a release reaching the control (WM_CAPTURECHANGED,
    // WM_CANCELMODE): a held arrow lets go, and nothing is clicked.
    void mouse_capture_lost();
    void spin_timer_tick();
    // Moves `Value` (directly, as a press on a day does) within 1901-01-01 … 2090-12-31, or
    // raises `Click` for Enter. True when the control used the key.
    bool key_down(Key key);
    void choose_from_list(SelectorList list, int index);
    Size resize(Size requested);
    // Draws every surface afresh, e.g. after the host recreated its bitmaps or changed the
    // canvas's font; the boxes are laid out anew for the font (see selector_box).
    void redraw_all();

    int width() const {
        return width_;
    }
    // Where a selector box lies on the control, its size following the canvas's font.
    Rect selector_box(SelectorList list) const;
    const HeaderLayout& header() const {
        return header_;
    }
    int height() const {
        return kControlHeight;
    }
    const SelectorListModel& year_list() const {
        return year_list_;
    }
    const SelectorListModel& month_list() const {
        return month_list_;
    }
    int year_label() const {
        return year_label_;
    }
    int month_label() const {
        return month_label_;
    }
    bool click_pending() const {
        return click_pending_;
    }
    // The grid cell of `Value`'s day as last drawn, -1 before the first drawing.
    int selected_cell() const {
        return selected_cell_;
    }
    SpinMode spin_mode() const {
        return spin_mode_;
    }
    const DayArray& day_array() const {
        return day_array_;
    }
    const ControlProperties& properties() const {
        return properties_;
    }

  private:
    enum class PressTarget { None, Control, YearBox, MonthBox };

    Status redraw_after_write(Redraw redraw);
    PropertyValue default_of(const PropertyInfo& info) const;
    Status show_value();

    Status select_list_item(SelectorList list, int index);
    Status on_list_choice(SelectorList list, int index);
    void set_value_directly(int year, int month, int day);
    void set_year_label(int year);
    void set_month_label(int month);
    SelectorList pressed_box() const;
    void press_day_cell(Point at, MouseButton button);
    bool on_selector(Point at) const;
    Point box_local(SelectorList list, Point at) const;
    void draw_selector_boxes();
    void move_to(int year, int month, int day);
    void press_selector_box(SelectorList list, Point at);
    void release_selector_box(SelectorList list);
    bool spin_once();

    Status redraw_grid();
    Status redraw_title_band();
    Status redraw_bottom_band();
    Status redraw_weekday_header();
    Status redraw_selector_boxes();
    Status redraw_after_big();
    Status redraw_month();

    // The date a method answers for: theDate, or `Value` when theDate lies outside the range.
    common::OleDate method_date(common::OleDate theDate) const;
    Result<std::string> lunar_fact(common::OleDate theDate,
                                   std::string (*fact)(common::OleDate)) const;

    ControlHost& host_;
    Canvas& canvas_;
    HeaderLayout header_;
    ControlProperties properties_;
    int width_ = kMinimumWidth;
    SelectorListModel year_list_;
    SelectorListModel month_list_;
    int year_label_ = 0;
    int month_label_ = 0;
    bool click_pending_ = false;
    int selected_cell_ = -1;
    SpinMode spin_mode_ = SpinMode::None;
    int spin_ticks_ = 0;  // expiries of the spin timer since the arrow was pressed
    DayArray day_array_{};
    PressTarget press_target_ = PressTarget::None;
    Point press_point_;
};

}  // namespace moonleaf
