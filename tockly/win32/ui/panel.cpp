#include "tockly/win32/ui/panel.h"

#include "tockly/win32/ui/window_class.h"

namespace tockly::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TocklyPanel";

}  // namespace

const wchar_t* Panel::window_class() {
    return registered_class(kClassName, &view_procedure<Panel>, CS_DBLCLKS,
                            ::GetSysColorBrush(COLOR_BTNFACE));
}

Panel::Panel(HWND parent, LogicalRect place, std::function<void()> after_input)
    : place_(place),
      window_(::CreateWindowExW(WS_EX_CONTROLPARENT, window_class(), L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0,
                                0, parent, nullptr, ::GetModuleHandleW(nullptr), this)),
      after_input_(std::move(after_input)) {}

LRESULT Panel::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
            if (lparam) {
                if (BoundControl* control = BoundControl::of(reinterpret_cast<HWND>(lparam))) {
                    control->notify(message == WM_COMMAND ? HIWORD(wparam) : LOWORD(wparam));
                    if (after_input_) after_input_();
                    return 0;
                }
            }
            break;
        case WM_NOTIFY: {
            // Only the panel's own children: a list view's header reports to the list view.
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (::GetParent(header->hwndFrom) != hwnd()) break;
            if (BoundControl* control = BoundControl::of(header->hwndFrom)) {
                if (control->notify_message(*header) && after_input_) after_input_();
                return 0;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            if (BoundControl* control = BoundControl::of(item->hwndItem)) {
                control->draw(*item);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // Labels, check boxes and frames sit on the panel's own background.
            ::SetBkColor(reinterpret_cast<HDC>(wparam), ::GetSysColor(COLOR_BTNFACE));
            ::SetTextColor(reinterpret_cast<HDC>(wparam), ::GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        case WM_PRINTCLIENT: {
            // Themed frames and check boxes ask their parent to draw what lies behind them.
            RECT area{};
            ::GetClientRect(hwnd(), &area);
            ::FillRect(reinterpret_cast<HDC>(wparam), &area, ::GetSysColorBrush(COLOR_BTNFACE));
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (on_double_click) {
                on_double_click();
                if (after_input_) after_input_();
            }
            return 0;
        case WM_MOUSEMOVE:
            if (on_mouse_move) {
                on_mouse_move();
                if (after_input_) after_input_();
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd(), message, wparam, lparam);
}

void Panel::layout(UINT dpi, HFONT font, const RECT* pixels) {
    if (pixels) {
        ::SetWindowPos(hwnd(), nullptr, pixels->left, pixels->top, pixels->right - pixels->left,
                       pixels->bottom - pixels->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        ::SetWindowPos(hwnd(), nullptr, scaled(place_.x, dpi), scaled(place_.y, dpi),
                       scaled(place_.width, dpi), scaled(place_.height, dpi),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const auto& control : controls_) control->layout(dpi, font);
}

void Panel::sync() {
    for (const auto& control : controls_) control->sync();
}

void Panel::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    ::ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
    if (!visible) return;
    ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // A panel shown over another (the date chooser over a page) paints itself whole at once.
    ::RedrawWindow(hwnd(), nullptr, nullptr,
                   RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace tockly::win32
