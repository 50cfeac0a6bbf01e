#pragma once

#include <string>

#include "common/ole_date.h"

namespace moonleaf::cli {

// A `cal`-like sheet of one month, weeks from Sunday, each day over its caption, with the
// lunar title line and the month's two solar terms. `focus` is the day the title speaks of
// (today when it lies in the month, else the first of the month).
std::string month_sheet(int year, int month, common::OleDate focus);

// Whether every day of the month converts, so the sheet can be drawn.
bool month_is_drawable(int year, int month);

}  // namespace moonleaf::cli
