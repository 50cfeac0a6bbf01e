#pragma once

#include "common/ole_date.h"
#include "moonleaf/control/canvas.h"

namespace moonleaf {

inline constexpr int kSmallCharacterWidth = 9;

// Marks a day cell of the month view as the official schedule has its day: a red "休" in the
// top right corner of an off day, a black "班" of a makeup workday, nothing on other days.
void draw_holiday_mark(Canvas& canvas, const Rect& cell, common::OleDate day);

}  // namespace moonleaf
