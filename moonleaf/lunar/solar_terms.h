#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/ole_date.h"

namespace moonleaf {

extern const std::array<std::string_view, 24> SolarTermNames;  // 小寒 … 冬至
extern const std::array<int, 24> SolarTermMinutes;             // from 小寒, for the mean formula

// The calendar day of solar term n (1-24) of a Gregorian year; term n lies in month (n+1)/2.
// Throws LunarRangeError for n outside 1-24.
common::OleDate SolarTermDate(int year, int n);

// The name of the term that falls on the date, or " " when none does (or the date carries a
// time of day).
std::string_view SolarTermOf(common::OleDate date);

}  // namespace moonleaf
