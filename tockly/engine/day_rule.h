#pragma once

#include <string_view>

#include "common/ole_date.h"
#include "moonleaf/lunar/official_holidays.h"
#include "tockly/engine/unpublished_year_notice.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"

namespace tockly::engine {

// What deciding a rule needs beyond the day itself.
struct DayRuleServices {
    // Reads a custom date written in the machine's own short date format.
    platform::Clock& clock;
    // Answers the lunar month and day of a date (GetChineseYear/Month/Day).
    platform::CalendarControl& calendar;
    // The official off days and makeup workdays, the holiday file's years included.
    const moonleaf::HolidaySchedule& schedule;
    // Told when an official-calendar rule was decided for a year whose notice is not published
    // (the rule then takes Monday to Friday as the workdays).
    UnpublishedYearNotice& unpublished;
};

// Whether an alarm's day rule holds on `day`. Rules: "每天"; "星期" followed by the chosen days
// ("1"-"6", "日"); "法定工作日" and "法定节假日"; a lunar rule (tockly/model/lunar_rule.h); or
// one date, in any short date form (yyyy-M-d, yyyy/M/d, leading zeros or not, or the
// machine's own), compared as a date so that a change of regional format keeps it firing.
bool day_rule_matches(std::string_view rule, common::OleDate day, const DayRuleServices& services);

// Monday 1 ... Sunday 7 from a Sunday-first 0-6 weekday.
inline int monday_first(int sunday_first) {
    return (sunday_first + 6) % 7 + 1;
}

}  // namespace tockly::engine
