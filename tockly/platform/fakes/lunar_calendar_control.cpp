#include "tockly/platform/fakes/lunar_calendar_control.h"

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/constellation.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace tockly::platform {

using common::OleDate;

OleDate LunarCalendarControl::answered_date(OleDate theDate) const {
    const bool in_range =
        theDate >= OleDate::from_ymd(1901, 1, 1) && theDate <= OleDate::from_ymd(2090, 12, 31);
    return in_range ? theDate : value_;
}

std::string LunarCalendarControl::GetChineseDate(OleDate theDate) {
    return moonleaf::LunarDateText(answered_date(theDate));
}
std::string LunarCalendarControl::GetChineseYear(OleDate theDate) {
    return moonleaf::LunarYearText(answered_date(theDate));
}
std::string LunarCalendarControl::GetChineseMonth(OleDate theDate) {
    return std::string(
        moonleaf::LunarMonthName(moonleaf::ToLunarDate(answered_date(theDate)).month));
}
std::string LunarCalendarControl::GetChineseDay(OleDate theDate) {
    return std::string(moonleaf::LunarDayName(moonleaf::ToLunarDate(answered_date(theDate)).day));
}
std::string LunarCalendarControl::GetChineseAnimal(OleDate theDate) {
    return std::string(moonleaf::ZodiacAnimal(moonleaf::ToLunarDate(answered_date(theDate)).year));
}
std::string LunarCalendarControl::GetConstellation(OleDate theDate) {
    return std::string(moonleaf::ConstellationOf(answered_date(theDate)));
}

}  // namespace tockly::platform
