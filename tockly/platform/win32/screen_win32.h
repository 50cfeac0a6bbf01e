#pragma once

#include "tockly/platform/screen.h"

namespace tockly::platform {

// The primary screen and its work area. The dots per inch are the real ones only in a process
// that declares itself DPI-aware (the program's manifest); otherwise the system reports 96.
class Win32Screen : public Screen {
  public:
    double width_twips() override;
    double height_twips() override;
    TwipsRect work_area_twips() override;
    double twips_per_pixel_x() override;
    double twips_per_pixel_y() override;
};

}  // namespace tockly::platform
