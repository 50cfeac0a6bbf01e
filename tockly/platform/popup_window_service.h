#pragma once

#include <string>

namespace tockly::platform {

// The window operations the popup asks for; the Win32 view carries them out.
class PopupWindowService {
  public:
    virtual ~PopupWindowService() = default;
    // Moves the window (twips) and puts it above all other windows, size unchanged.
    virtual void place_topmost(double left_twips, double top_twips) = 0;
    // Shows only the band of the window from row `top` to `bottom` (pixels, bottom exclusive),
    // full `width`, and redraws; the window owns the region from then on.
    virtual void set_region(int width, int top, int bottom) = 0;
    // Frees the region the window holds.
    virtual void free_region() = 0;
    // Starts moving the window with the mouse as a title-bar drag.
    virtual void begin_title_drag() = 0;
    // Loads `address` into the embedded browser.
    virtual void navigate(const std::string& address) = 0;
    virtual void set_visible(bool visible) = 0;
};

}  // namespace tockly::platform
