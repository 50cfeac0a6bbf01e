// The plumbing every window of the program shares: its class registered once, and a window
// procedure that hands each message to the C++ object the window belongs to.
#pragma once

#include <windows.h>

namespace tockly::win32 {

// Registers the class `name` on first use (later calls only answer the name).
const wchar_t* registered_class(const wchar_t* name, WNDPROC procedure, UINT style = 0,
                                HBRUSH background = nullptr, HICON icon = nullptr);

// The procedure of a window created with its View as the creation parameter: from the moment
// the View holds the window (View::hwnd()), View::handle gets every message.
template <typename View>
LRESULT CALLBACK view_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* view = reinterpret_cast<View*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!view || view->hwnd() != window) return ::DefWindowProcW(window, message, wparam, lparam);
    return view->handle(message, wparam, lparam);
}

}  // namespace tockly::win32
