#include "tockly/win32/ui/window_class.h"

namespace tockly::win32 {

const wchar_t* registered_class(const wchar_t* name, WNDPROC procedure, UINT style,
                                HBRUSH background, HICON icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, name, &existing)) return name;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = background;
    window_class.hIcon = icon;
    window_class.lpszClassName = name;
    ::RegisterClassExW(&window_class);
    return name;
}

}  // namespace tockly::win32
