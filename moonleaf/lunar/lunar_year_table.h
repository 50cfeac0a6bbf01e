#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace moonleaf {

// A date or lunar year outside what the table covers. Callers turn it into an error result.
class LunarRangeError : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2090;

// One 17-bit code per lunar year 1900-2090: bits 15..4 the lengths of months 1..12 (set = 30
// days), bits 3..0 the leap month (0 = none), bit 16 set when the leap month has 30 days.
extern const std::array<std::uint32_t, kLastLunarYear - kFirstLunarYear + 1> LunarYearTable;

// Length of ordinary month 1-12; a year below 1900 reads as 1900.
int LunarMonthLength(int year, int month);
// The month that the year repeats (1-12), or 0; 0 for any year below 1900.
int LeapMonthOf(int year);
// 0 without a leap month, else 29 or 30.
int LeapMonthLength(int year);
int LunarYearLength(int year);

}  // namespace moonleaf
