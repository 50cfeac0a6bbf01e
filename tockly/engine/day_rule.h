#pragma once

#include <string_view>

namespace tockly::engine {

// Whether an alarm's day rule holds today. `weekday` counts Monday as 1 through Sunday as 7;
// `short_date` is today in the regional short date format. Rules: "每天"; "星期" followed by
// the chosen days ("1"-"6", "日"); or one date, compared as text.
bool day_rule_matches(std::string_view rule, int weekday, std::string_view short_date);

// Monday 1 ... Sunday 7 from a Sunday-first 0-6 weekday.
inline int monday_first(int sunday_first) {
    return (sunday_first + 6) % 7 + 1;
}

}  // namespace tockly::engine
