#pragma once

#include <cstdint>

#include "common/ole_date.h"
#include "moonleaf/control/canvas.h"

namespace moonleaf {

// The ten properties of one control, with the values a new instance starts from (`Value`'s
// default is the current date, which only the host's clock knows).
struct ControlProperties {
    Colour BottomBackColor = 0xC0C0C0;
    Colour DateBackColor = 0xE0E0E0;
    Colour GridLinesColor = 0x800000;
    Colour SelectColor = 0xFFC0C0;
    bool ShowVerticalGrid = true;
    bool ShowHorizontalGrid = true;
    Colour TitleBackColor = 0xC0C0C0;
    Colour WeekBackColor = 0xFFFFC0;
    // Zero until a new instance or a property bag sets it: 1899-12-30, before anything lunar.
    common::OleDate Value;
    std::int16_t Big = 0;
};

}  // namespace moonleaf
