#pragma once

namespace tockly::platform {

// A rectangle, right and bottom exclusive.
template <typename Unit>
struct Rect {
    Unit left = 0;
    Unit top = 0;
    Unit right = 0;
    Unit bottom = 0;
};
using TwipsRect = Rect<double>;

// The primary screen, in twips like every stored window position. The twips-per-pixel factors
// come from the primary monitor's own dots per inch (15 at 96 DPI, 7.5 at 192 DPI), as a window
// on it converts its twips (monitor_screen.h).
class Screen {
  public:
    virtual ~Screen() = default;
    virtual double width_twips() = 0;
    virtual double height_twips() = 0;
    // The part of the screen not covered by the task bar and other docked bars.
    virtual TwipsRect work_area_twips() = 0;
    virtual double twips_per_pixel_x() = 0;
    virtual double twips_per_pixel_y() = 0;
};

}  // namespace tockly::platform
