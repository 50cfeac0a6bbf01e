#pragma once

// Twips and pixels, converted with the dots per inch of the monitor a window is on: the one
// rule for every stored window position and size. The system DPI (the one the user signed in
// with) is not that of a monitor set to another scale since, so it plays no part.

#include <cmath>

#include "tockly/platform/screen.h"

namespace tockly::platform {

inline constexpr unsigned kDefaultDpi = 96;

// Twips are 1/1440 inch: 15 per pixel at 96 DPI, 10 at 144 DPI, 7.5 at 192 DPI.
inline double twips_per_pixel(unsigned dpi) {
    return 1440.0 / (dpi ? dpi : kDefaultDpi);
}

inline int pixels_from_twips(double twips, unsigned dpi) {
    return static_cast<int>(std::lround(twips / twips_per_pixel(dpi)));
}

using PixelRect = Rect<int>;

// A monitor as the system measures it.
struct MonitorPixels {
    PixelRect whole;
    // Less the task bar and other docked bars.
    PixelRect work;
    unsigned dpi = kDefaultDpi;
};

// The primary screen in twips, from the primary monitor's pixels at that monitor's DPI.
class MonitorScreen : public Screen {
  public:
    double width_twips() override {
        const MonitorPixels monitor = measure();
        return (monitor.whole.right - monitor.whole.left) * twips_per_pixel(monitor.dpi);
    }
    double height_twips() override {
        const MonitorPixels monitor = measure();
        return (monitor.whole.bottom - monitor.whole.top) * twips_per_pixel(monitor.dpi);
    }
    TwipsRect work_area_twips() override {
        const MonitorPixels monitor = measure();
        const double factor = twips_per_pixel(monitor.dpi);
        return {monitor.work.left * factor, monitor.work.top * factor, monitor.work.right * factor,
                monitor.work.bottom * factor};
    }
    double twips_per_pixel_x() override { return twips_per_pixel(measure().dpi); }
    double twips_per_pixel_y() override { return twips_per_pixel(measure().dpi); }

  protected:
    // Measured at each question: the user may change the scale or the task bar at any time.
    virtual MonitorPixels measure() = 0;
};

}  // namespace tockly::platform
