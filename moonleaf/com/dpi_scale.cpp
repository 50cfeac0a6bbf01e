#include "moonleaf/com/dpi_scale.h"

#include "common/win32/unique_handle.h"

namespace moonleaf_com {

int dpi_of(HWND window) {
    // Looked up at run time: systems before per-monitor DPI have no such function, and the
    // library must still load there.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi_for_window =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window && get_dpi_for_window)
        if (const UINT dpi = get_dpi_for_window(window)) return static_cast<int>(dpi);
    common::win32::WindowDc screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSX);
}

}  // namespace moonleaf_com
