#pragma once

namespace tockly::platform {

// A rectangle in twips, right and bottom exclusive.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The primary screen, in twips like every stored window position. The twips-per-pixel factors
// come from the real dots per inch (15 at 96 DPI, 7.5 at 192 DPI).
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
