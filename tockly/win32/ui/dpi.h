// Layout in pixels at 96 dots per inch, scaled to the window's real DPI, and the user-interface
// font for Chinese text at that DPI.
#pragma once

#include <windows.h>

#include "common/win32/unique_handle.h"
#include "tockly/platform/monitor_screen.h"

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

// Twips to pixels at the DPI of the monitor the window is on (window_dpi), as the screen's
// sizes in twips are measured.
using platform::pixels_from_twips;
using platform::twips_per_pixel;

// The system's font for Chinese user-interface text ("Microsoft YaHei UI" where present, then
// "SimSun"), `points` high at `dpi`.
common::win32::UniqueFont create_ui_font(UINT dpi, int points = 9, bool bold = false);

}  // namespace tockly::win32
