#include "tockly/win32/calendar/moonleaf_calendar.h"

#include "common/win32/com_ptr.h"
#include "common/win32/dispatch_calls.h"
#include "common/win32/wide_text.h"
#include "moonleaf/com/moonleaf_ids.h"

namespace tockly::win32 {

namespace {

constexpr wchar_t kMissingControl[] =
    L"日历控件 Moonleaf2.ocx 未能加载。\r\n请把它放在 Tockly.exe 所在的文件夹中。";
// The control's own size, for the message that stands in for it.
constexpr SIZE kMoonleafSize{290, 235};

// The message in the calendar's place, in the font of the page it lies on.
HWND create_message(HWND parent) {
    const HWND message =
        ::CreateWindowExW(0, L"STATIC", kMissingControl, WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0,
                          0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (message)
        ::SendMessageW(message, WM_SETFONT, ::SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    return message;
}

}  // namespace

MoonleafCalendar::MoonleafCalendar()
    : sink_(moonleaf_ids::kEventsIid, [this](DISPID event, const DISPPARAMS&) {
          if (event == DISPID_MOONLEAF_CLICK && Click) Click();
      }) {
    if (FAILED(site_.create(L"" MOONLEAF_PROGID))) return;
    click_.connect(site_.unknown(), moonleaf_ids::kEventsIid, &sink_);
    value_ = Value();
}

MoonleafCalendar::~MoonleafCalendar() {
    click_.disconnect();
    site_.close();
}

void MoonleafCalendar::place(HWND parent, const RECT& place) {
    if (available()) {
        site_.activate(parent, place);
        return;
    }
    message_.reset(create_message(parent));
    move(place);
}

void MoonleafCalendar::move(const RECT& place) {
    if (available()) {
        site_.move(place);
    } else if (message_) {
        // The text starts a third of the way down, so that it stands in the middle of the place.
        const int height = place.bottom - place.top;
        ::SetWindowPos(message_.get(), nullptr, place.left, place.top + height / 3,
                       place.right - place.left, height - height / 3,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MoonleafCalendar::set_visible(bool visible) {
    if (available())
        site_.set_visible(visible);
    else if (message_)
        ::ShowWindow(message_.get(), visible ? SW_SHOWNA : SW_HIDE);
}

SIZE MoonleafCalendar::natural_size() const {
    const SIZE size = available() ? site_.natural_size() : SIZE{0, 0};
    return size.cx > 0 && size.cy > 0 ? size : kMoonleafSize;
}

HWND MoonleafCalendar::window() const {
    return available() ? site_.window() : message_.get();
}

common::OleDate MoonleafCalendar::Value() const {
    if (!available()) return value_;
    common::win32::UniqueVariant value;
    if (FAILED(common::win32::get_property(site_.dispatch(), DISPID_MOONLEAF_VALUE, value.get())) ||
        FAILED(::VariantChangeType(value.get(), value.get(), 0, VT_DATE)))
        return value_;
    return common::OleDate(V_DATE(value.get()));
}

void MoonleafCalendar::set_Value(common::OleDate value) {
    value_ = value;
    if (available())
        common::win32::put_property(site_.dispatch(), DISPID_MOONLEAF_VALUE,
                                    common::win32::make_date(value.serial()));
}

std::string MoonleafCalendar::text_of(DISPID method, common::OleDate theDate) {
    if (!available()) return {};
    common::win32::UniqueVariant result;
    if (FAILED(common::win32::call_with_date(site_.dispatch(), method, theDate.serial(),
                                             result.get())) ||
        FAILED(::VariantChangeType(result.get(), result.get(), 0, VT_BSTR)) ||
        !V_BSTR(result.get()))
        return {};
    return common::win32::utf8_from_utf16(
        {V_BSTR(result.get()), ::SysStringLen(V_BSTR(result.get()))});
}

std::string MoonleafCalendar::GetChineseDate(common::OleDate theDate) {
    return text_of(DISPID_MOONLEAF_GETCHINESEDATE, theDate);
}
std::string MoonleafCalendar::GetChineseYear(common::OleDate theDate) {
    return text_of(DISPID_MOONLEAF_GETCHINESEYEAR, theDate);
}
std::string MoonleafCalendar::GetChineseMonth(common::OleDate theDate) {
    return text_of(DISPID_MOONLEAF_GETCHINESEMONTH, theDate);
}
std::string MoonleafCalendar::GetChineseDay(common::OleDate theDate) {
    return text_of(DISPID_MOONLEAF_GETCHINESEDAY, theDate);
}
std::string MoonleafCalendar::GetChineseAnimal(common::OleDate theDate) {
    return text_of(DISPID_MOONLEAF_GETCHINESEANIMAL, theDate);
}
std::string MoonleafCalendar::GetConstellation(common::OleDate theDate) {
    return text_of(DISPID_MOONLEAF_GETCONSTELLATION, theDate);
}

void MoonleafCalendar::set_ShowHolidays(bool show) {
    if (available())
        common::win32::put_property(site_.dispatch(), DISPID_MOONLEAF_SHOWHOLIDAYS,
                                    common::win32::make_bool(show));
}

}  // namespace tockly::win32
