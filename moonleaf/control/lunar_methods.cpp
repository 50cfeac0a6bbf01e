// The methods of the control that answer for a date: the six almanac methods and the two of
// the official holiday schedule.
#include "moonleaf/control/moonleaf_control.h"
#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/constellation.h"
#include "moonleaf/lunar/official_holidays.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {
namespace {

using common::OleDate;

// Compared as date-and-time values: 2090-12-31 08:00 already lies outside.
bool in_method_range(OleDate date) {
    return date >= OleDate::from_ymd(1901, 1, 1) && date <= OleDate::from_ymd(2090, 12, 31);
}

std::string month_name(OleDate date) {
    return std::string(LunarMonthName(ToLunarDate(date).month));
}
std::string day_name(OleDate date) {
    return std::string(LunarDayName(ToLunarDate(date).day));
}
std::string animal(OleDate date) {
    return std::string(ZodiacAnimal(ToLunarDate(date).year));
}
std::string constellation(OleDate date) {
    return std::string(ConstellationOf(date));
}

}  // namespace

OleDate MoonleafControl::method_date(OleDate theDate) const {
    return in_method_range(theDate) ? theDate : properties_.Value;
}

Result<std::string> MoonleafControl::lunar_fact(OleDate theDate,
                                                std::string (*fact)(OleDate)) const {
    const OleDate date = method_date(theDate);
    try {
        return fact(date);
    } catch (const LunarRangeError&) {
        return Error{kLunarRangeMessage};
    }
}

Result<std::string> MoonleafControl::GetChineseDate(OleDate theDate) const {
    return lunar_fact(theDate, LunarDateText);
}
Result<std::string> MoonleafControl::GetChineseYear(OleDate theDate) const {
    return lunar_fact(theDate, LunarYearText);
}
Result<std::string> MoonleafControl::GetChineseMonth(OleDate theDate) const {
    return lunar_fact(theDate, month_name);
}
Result<std::string> MoonleafControl::GetChineseDay(OleDate theDate) const {
    return lunar_fact(theDate, day_name);
}
Result<std::string> MoonleafControl::GetChineseAnimal(OleDate theDate) const {
    return lunar_fact(theDate, animal);
}
Result<std::string> MoonleafControl::GetConstellation(OleDate theDate) const {
    return lunar_fact(theDate, constellation);
}

bool MoonleafControl::IsWorkday(OleDate theDate) const {
    return HolidaySchedule::built_in().is_official_workday(method_date(theDate));
}
std::string MoonleafControl::GetHolidayName(OleDate theDate) const {
    return HolidaySchedule::built_in().day(method_date(theDate)).name;
}

}  // namespace moonleaf
