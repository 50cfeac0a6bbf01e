#pragma once

#include <string_view>

#include "common/ole_date.h"

namespace moonleaf {

// The western constellation of the date's Gregorian month and day (0229 lies in 双鱼座).
std::string_view ConstellationOf(common::OleDate date);

}  // namespace moonleaf
