#pragma once

#include <array>
#include <string_view>

#include "common/ole_date.h"

namespace moonleaf {

// Each entry is four digits MMDD followed by the festival's name.
extern const std::array<std::string_view, 60> SolarFestivals;  // Gregorian month and day
extern const std::array<std::string_view, 10> LunarFestivals;  // lunar month and day

struct DayCaptionResult {
    std::string_view text;  // a view of the tables, valid for the whole program
    bool festival = false;
    bool operator==(const DayCaptionResult&) const = default;
};

// What the month view shows under a day number: a lunar festival, else a Gregorian one, else
// the lunar day's name. Throws LunarRangeError outside the conversion's range.
DayCaptionResult DayCaption(common::OleDate date);

}  // namespace moonleaf
