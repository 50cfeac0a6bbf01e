// The control's window: shows the canvas, turns mouse, timer and list messages into calls on
// the control, and holds the two lists whose drop-down parts the selectors open.
#include "moonleaf/com/control_window.h"

#include <windowsx.h>

#include <optional>

#include "common/win32/wide_text.h"
#include "moonleaf/com/moonleaf_object.h"
#include "moonleaf/com/text_conversion.h"

namespace moonleaf_com {

namespace {

constexpr wchar_t kClassName[] = L"Moonleaf2Control";
constexpr UINT_PTR kSpinTimerId = 1;
constexpr int kYearComboId = 1;
constexpr int kMonthComboId = 2;
constexpr int kDropDownHeight = 220;

bool g_class_registered = false;

LRESULT CALLBACK control_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<MoonleafObject*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!object) return ::DefWindowProcW(window, message, wparam, lparam);
    // The host's event handlers may release the control while it handles a message.
    ComPtr<MoonleafObject> keep_alive(object);
    // Nothing may throw through the system's code that called us; a message that ran out of
    // memory is simply not handled.
    try {
        return object->handle_message(window, message, wparam, lparam);
    } catch (...) {
        return 0;
    }
}

std::optional<moonleaf::Key> key_of(WPARAM virtual_key) {
    switch (virtual_key) {
        case VK_LEFT:
            return moonleaf::Key::Left;
        case VK_RIGHT:
            return moonleaf::Key::Right;
        case VK_UP:
            return moonleaf::Key::Up;
        case VK_DOWN:
            return moonleaf::Key::Down;
        case VK_PRIOR:
            return moonleaf::Key::PageUp;
        case VK_NEXT:
            return moonleaf::Key::PageDown;
        case VK_HOME:
            return moonleaf::Key::Home;
        case VK_END:
            return moonleaf::Key::End;
        case VK_RETURN:
        case VK_SPACE:
            return moonleaf::Key::Enter;
        default:
            return std::nullopt;
    }
}

moonleaf::MouseButton button_of(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return moonleaf::MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return moonleaf::MouseButton::Middle;
        default:
            return moonleaf::MouseButton::Left;
    }
}

// Placed and sized by place_windows().
HWND create_list(HWND parent, int id, const moonleaf::SelectorListModel& model, HFONT font) {
    HWND combo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                                   0, moonleaf::kSelectorBoxWidth, kDropDownHeight, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   module_instance(), nullptr);
    if (!combo) return nullptr;
    ::SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const std::string& item : model.items)
        ::SendMessageW(combo, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(common::win32::utf16_from_utf8(item).c_str()));
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(model.selected), 0);
    return combo;
}

}  // namespace

const wchar_t* control_window_class() {
    if (!g_class_registered) {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = control_window_procedure;
        window_class.hInstance = module_instance();
        window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        window_class.lpszClassName = kClassName;
        g_class_registered = ::RegisterClassW(&window_class) != 0;
    }
    return kClassName;
}

void unregister_control_window_class() {
    if (g_class_registered) ::UnregisterClassW(kClassName, module_instance());
    g_class_registered = false;
}

HRESULT MoonleafObject::create_window(HWND parent, const RECT& position) {
    // A child window takes the DPI of the window it is placed in.
    apply_dpi(dpi_of(parent));
    const DpiScale& scale = canvas_.scale();
    window_.reset(::CreateWindowExW(
        0, control_window_class(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, position.left,
        position.top, scale.to_device(control_.width()), scale.to_device(control_.height()), parent,
        nullptr, module_instance(), this));
    if (!window_) return HRESULT_FROM_WIN32(::GetLastError());
    year_combo_.reset(
        create_list(window_.get(), kYearComboId, control_.year_list(), canvas_.text_font()));
    month_combo_.reset(
        create_list(window_.get(), kMonthComboId, control_.month_list(), canvas_.text_font()));
    place_windows();
    canvas_.set_window(window_.get());
    ::InvalidateRect(window_.get(), nullptr, FALSE);
    return S_OK;
}

void MoonleafObject::place_windows() {
    const auto year_box = control_.selector_box(moonleaf::SelectorList::Year);
    const auto month_box = control_.selector_box(moonleaf::SelectorList::Month);
    canvas_.set_box_positions(year_box, month_box);
    const DpiScale& scale = canvas_.scale();
    for (const auto& [combo, box] :
         {std::pair{year_combo_.get(), year_box}, std::pair{month_combo_.get(), month_box}}) {
        if (!combo) continue;
        const RECT area = scale.to_device(box);
        ::MoveWindow(combo, area.left, area.top, area.right - area.left,
                     scale.to_device(kDropDownHeight), FALSE);
    }
}

bool MoonleafObject::apply_dpi(int dpi) {
    if (dpi == canvas_.scale().dpi()) return false;
    canvas_.set_dpi(dpi);
    // The lists' old font went with the old scale.
    for (HWND combo : {year_combo_.get(), month_combo_.get()})
        if (combo)
            ::SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(canvas_.text_font()), FALSE);
    control_.redraw_all();
    place_windows();
    if (!window_) return true;
    const DpiScale& scale = canvas_.scale();
    ::SetWindowPos(window_.get(), nullptr, 0, 0, scale.to_device(control_.width()),
                   scale.to_device(control_.height()), SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    ::InvalidateRect(window_.get(), nullptr, FALSE);
    return true;
}

moonleaf::Point MoonleafObject::logical_point(LPARAM lparam) const {
    return canvas_.scale().to_logical(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
}

LRESULT MoonleafObject::handle_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            common::win32::PaintGuard paint(window);
            RECT client{};
            ::GetClientRect(window, &client);
            canvas_.compose(paint.dc(), client);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the canvas covers every pixel
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // A click takes the keyboard focus, as it does on any control.
            if (message == WM_LBUTTONDOWN && in_place_site_) activate_ui();
            // The release must reach us even when the pointer left the control meanwhile.
            ::SetCapture(window);
            control_.mouse_down(logical_point(lparam), button_of(message));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            // The release first: giving up the capture reports WM_CAPTURECHANGED, which would
            // otherwise cancel the press it ends.
            control_.mouse_up(logical_point(lparam), button_of(message));
            if (::GetCapture() == window) ::ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            // Another window took the mouse: a held arrow lets go, a pressed day is no click.
            control_.mouse_capture_lost();
            return 0;
        case WM_CANCELMODE:
            control_.mouse_capture_lost();
            if (::GetCapture() == window) ::ReleaseCapture();
            return 0;
        case WM_KEYDOWN:
            if (const auto key = key_of(wparam); key && control_.key_down(*key)) return 0;
            return ::DefWindowProcW(window, message, wparam, lparam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            // System colours are translated when drawn, so the drawn surfaces are stale.
            control_.redraw_all();
            ::InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_DPICHANGED:
        case WM_DPICHANGED_AFTERPARENT:
            // Moved to a monitor of another DPI: drawn afresh at the new scale, and the
            // container told of the new size.
            if (apply_dpi(dpi_of(window)) && in_place_site_) {
                RECT position{};
                ::GetWindowRect(window, &position);
                ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&position),
                                  2);
                in_place_site_->OnPosRectChange(&position);
            }
            return 0;
        case WM_TIMER:
            if (wparam == kSpinTimerId) control_.spin_timer_tick();
            return 0;
        case WM_COMMAND:
            if (HIWORD(wparam) == CBN_CLOSEUP)
                ::ShowWindow(reinterpret_cast<HWND>(lparam), SW_HIDE);
            if (HIWORD(wparam) == CBN_SELCHANGE) {
                const HWND combo = reinterpret_cast<HWND>(lparam);
                const auto list = combo == year_combo_.get() ? moonleaf::SelectorList::Year
                                                             : moonleaf::SelectorList::Month;
                const auto index = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
                if (index >= 0) control_.choose_from_list(list, index);
            }
            return 0;
        default:
            return ::DefWindowProcW(window, message, wparam, lparam);
    }
}

void MoonleafObject::set_spin_timer(bool running) {
    if (!window_) return;
    if (running)
        ::SetTimer(window_.get(), kSpinTimerId, moonleaf::kSpinTimerIntervalMs, nullptr);
    else
        ::KillTimer(window_.get(), kSpinTimerId);
}

void MoonleafObject::show_drop_down(moonleaf::SelectorList list) {
    const HWND combo =
        list == moonleaf::SelectorList::Year ? year_combo_.get() : month_combo_.get();
    if (!combo) return;
    // The list's own box stays hidden under the selector box drawn by the control; it shows
    // only while its list is open, since a hidden combo box need not open its list.
    ::ShowWindow(combo, SW_SHOWNA);
    ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
}

void MoonleafObject::list_selection_changed(moonleaf::SelectorList list, int index) {
    const HWND combo =
        list == moonleaf::SelectorList::Year ? year_combo_.get() : month_combo_.get();
    if (combo) ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace moonleaf_com
