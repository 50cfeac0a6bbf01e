#include "tockly/win32/views/popup_window_service.h"

#include "common/win32/unique_handle.h"
#include "tockly/win32/ui/dpi.h"

namespace tockly::win32 {

namespace {

// Twips to pixels through the window's own dots per inch (1440 twips to the inch).
int pixels(double twips, UINT dpi) {
    return static_cast<int>(twips * dpi / 1440.0 + 0.5);
}

}  // namespace

void PopupWindowServiceWin32::place_topmost(double left_twips, double top_twips) {
    const HWND window = view_.hwnd();
    if (!window) return;
    const UINT dpi = window_dpi(window);
    ::SetWindowPos(window, HWND_TOPMOST, pixels(left_twips, dpi), pixels(top_twips, dpi), 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE);
}

void PopupWindowServiceWin32::set_region(int width, int top, int bottom) {
    const HWND window = view_.hwnd();
    if (!window) return;
    // The window owns the region once SetWindowRgn succeeds; on failure it is still ours.
    common::win32::UniqueRegion region(::CreateRectRgn(0, top, width, bottom));
    if (region && ::SetWindowRgn(window, region.get(), TRUE)) region.release();
}

void PopupWindowServiceWin32::free_region() {
    if (view_.hwnd()) ::SetWindowRgn(view_.hwnd(), nullptr, TRUE);
}

void PopupWindowServiceWin32::begin_title_drag() {
    if (!view_.hwnd()) return;
    ::ReleaseCapture();
    ::SendMessageW(view_.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void PopupWindowServiceWin32::set_visible(bool visible) {
    if (view_.hwnd()) ::ShowWindow(view_.hwnd(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

}  // namespace tockly::win32
