#pragma once

#include <cstdint>
#include <string>

#include "common/ole_date.h"
#include "moonleaf/lunar/lunar_year_table.h"

namespace moonleaf {

struct LunarDate {
    bool isLeapMonth = false;
    std::int16_t year = 0;   // 1900-2090
    std::int16_t month = 0;  // 1-12; a leap month carries the number of the month it repeats
    std::int16_t day = 0;    // 1-30
    bool operator==(const LunarDate&) const = default;
};

// The conversion covers 1900-01-31 (lunar 1900-01-01) to 2091-02-17 (the last day of 2090).
inline constexpr common::OleDate kFirstConvertibleDay = common::OleDate::from_ymd(1900, 1, 31);
inline constexpr common::OleDate kLastConvertibleDay = common::OleDate::from_ymd(2091, 2, 17);

// Converts a date; a time of day after noon counts as the next day. Throws LunarRangeError
// for a date outside the conversion's range (and for NaN or infinity).
LunarDate ToLunarDate(common::OleDate date);

// The nine-character text form: leap flag, year "0000", month "00", day "00" (120200401).
std::string LunarDateCode(const LunarDate& lunar);
std::string SolarToLunar(common::OleDate date);

// True on the last day of a lunar year, the eve of the lunar New Year.
bool IsLastDayOfLunarYear(const LunarDate& lunar);

}  // namespace moonleaf
