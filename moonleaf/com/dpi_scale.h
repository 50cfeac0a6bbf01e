// The control's geometry is laid out in pixels of a 96-DPI screen; its window shows it in the
// device pixels of the monitor it is on. This converts between the two.
#pragma once

#include <windows.h>

#include "moonleaf/control/canvas.h"

namespace moonleaf_com {

inline constexpr int kLayoutDpi = 96;

class DpiScale {
  public:
    explicit DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kLayoutDpi) {}
    int dpi() const { return dpi_; }
    int to_device(int logical) const { return ::MulDiv(logical, dpi_, kLayoutDpi); }
    RECT to_device(const moonleaf::Rect& logical) const {
        return {to_device(logical.left), to_device(logical.top), to_device(logical.right),
                to_device(logical.bottom)};
    }
    // A length, rounded to the nearest logical pixel.
    int to_logical(int device) const { return ::MulDiv(device, kLayoutDpi, dpi_); }
    // A position: the logical pixel whose device pixels hold it (-1 stays left of 0).
    moonleaf::Point to_logical(POINT device) const {
        return {floor_logical(device.x), floor_logical(device.y)};
    }
    bool operator==(const DpiScale&) const = default;

  private:
    int floor_logical(int device) const {
        const long long scaled = static_cast<long long>(device) * kLayoutDpi;
        return static_cast<int>(scaled >= 0 ? scaled / dpi_ : -((-scaled + dpi_ - 1) / dpi_));
    }
    int dpi_;
};

// The window's DPI where the system tells it per window, else the screen's.
int dpi_of(HWND window);

}  // namespace moonleaf_com
