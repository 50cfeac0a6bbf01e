#include "tockly/platform/win32/screen_win32.h"

#include <windows.h>
// GetDpiForMonitor comes after windows.h.
#include <shellscalingapi.h>

namespace tockly::platform {

MonitorPixels Win32Screen::measure() {
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    MonitorPixels monitor;
    if (GetMonitorInfoW(primary, &info)) {
        monitor.whole = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                         info.rcMonitor.bottom};
        monitor.work = {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    } else {
        // Without an answer the whole screen is the work area: nothing is docked that we know.
        monitor.whole = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        monitor.work = monitor.whole;
    }
    UINT dpi_x = 0;
    UINT dpi_y = 0;
    if (SUCCEEDED(GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y)) && dpi_x > 0)
        monitor.dpi = dpi_x;
    return monitor;
}

}  // namespace tockly::platform
