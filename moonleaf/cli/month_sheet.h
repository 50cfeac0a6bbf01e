#pragma once

#include <string>

#include "common/ole_date.h"

namespace moonleaf::cli {

// A `cal`-like sheet of one month, weeks from Sunday, each day over its caption, with the
// lunar title line and the month's two solar terms. Official off days carry 休 after their
// number, makeup workdays 班. `focus` is the day the title speaks of
// (today when it lies in the month, else the first day of the month that converts). Days the
// lunar table does not reach are shown without captions.
std::string month_sheet(int year, int month, common::OleDate focus);

// The twelve months of a year, three side by side, as `cal YEAR` shows them.
std::string year_sheet(int year);

// Whether a month holds at least one day that converts (1900-01 to 2091-02).
bool month_is_drawable(int year, int month);
// Whether a year's sheet can be drawn: every month of it holds days that convert.
bool year_is_drawable(int year);

// The day the title of a month's sheet speaks of when today is not in it.
common::OleDate first_convertible_day(int year, int month);

}  // namespace moonleaf::cli
