#include "tockly/platform/win32/screen_win32.h"

#include <windows.h>

#include "common/win32/unique_handle.h"

namespace tockly::platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double twips_per_pixel(int axis) {
    const common::win32::WindowDc screen(nullptr);
    const int dots_per_inch = screen.get() ? GetDeviceCaps(screen.get(), axis) : 0;
    return kTwipsPerInch / (dots_per_inch > 0 ? dots_per_inch : USER_DEFAULT_SCREEN_DPI);
}

}  // namespace

double Win32Screen::width_twips() {
    return GetSystemMetrics(SM_CXSCREEN) * twips_per_pixel_x();
}

double Win32Screen::height_twips() {
    return GetSystemMetrics(SM_CYSCREEN) * twips_per_pixel_y();
}

TwipsRect Win32Screen::work_area_twips() {
    RECT area = {};
    // Without an answer the whole screen is the work area: nothing is docked that we know of.
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    const double x = twips_per_pixel_x();
    const double y = twips_per_pixel_y();
    return {area.left * x, area.top * y, area.right * x, area.bottom * y};
}

double Win32Screen::twips_per_pixel_x() {
    return twips_per_pixel(LOGPIXELSX);
}

double Win32Screen::twips_per_pixel_y() {
    return twips_per_pixel(LOGPIXELSY);
}

}  // namespace tockly::platform
