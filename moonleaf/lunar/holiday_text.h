#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "moonleaf/lunar/official_holidays.h"

namespace moonleaf {

// The yearly holiday file "节假日.txt" (UTF-8): one date a line, an off day with its holiday or
// a makeup workday,
//   2027-01-01 休 元旦
//   2027-02-07 班
// fields apart by spaces or tabs; lines starting with '#' are comments, blank lines are
// allowed, CR LF line ends and a leading byte order mark too.
struct HolidayText {
    // The notices the text holds, by the year each date belongs to (schedule_year_of), ready
    // for HolidaySchedule::replace_years.
    std::map<int, std::vector<ScheduledDay>> notices;
    // Lines that were skipped because they are not a date line as above, or repeat a date
    // already given; counted from 1.
    std::vector<int> damaged_lines;
};

// Reads the text; never fails, whatever the bytes.
HolidayText parse_holiday_text(std::string_view text);

// One year's notice in the file's format, a comment line naming the year first; nothing for a
// year the schedule does not know.
std::optional<std::string> holiday_text_of_year(const HolidaySchedule& schedule, int year);

}  // namespace moonleaf
