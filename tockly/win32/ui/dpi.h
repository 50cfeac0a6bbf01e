// Layout in pixels at 96 dots per inch, scaled to the window's real DPI, and the user-interface
// font for Chinese text at that DPI.
#pragma once

#include <windows.h>

#include "common/win32/unique_handle.h"

namespace tockly::win32 {

inline constexpr UINT kDefaultDpi = 96;

// A rectangle in 96-DPI pixels.
struct LogicalRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

UINT window_dpi(HWND window);

inline int scaled(int logical, UINT dpi) {
    return ::MulDiv(logical, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

// Twips are 1/1440 inch: 15 per pixel at 96 DPI, 7.5 at 192 DPI.
inline double twips_per_pixel(UINT dpi) {
    return 1440.0 / dpi;
}

// The system's font for Chinese user-interface text ("Microsoft YaHei UI" where present, then
// "SimSun"), `points` high at `dpi`.
common::win32::UniqueFont create_ui_font(UINT dpi, int points = 9, bool bold = false);

}  // namespace tockly::win32
