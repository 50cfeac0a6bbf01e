#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/ole_date.h"

namespace moonleaf {

// What the State Council's yearly notice makes of a date.
enum class DayKind {
    Ordinary,      // Monday to Friday work, Saturday and Sunday rest
    OffDay,        // a day of a holiday's period, the weekend days it joins included
    MakeupWorkday  // a Saturday or Sunday worked in exchange (调休上班)
};

struct ScheduledDay {
    common::YearMonthDay date{};
    DayKind kind = DayKind::Ordinary;
    // An off day's holiday as its notice names it ("春节"; "国庆节、中秋节" where a notice joins
    // two); empty for the other kinds.
    std::string name;
    bool operator==(const ScheduledDay&) const = default;
};

// The year of the notice that decides a date. A notice covers its year up to the 国庆 week
// and may begin in the December before (元旦 off days, a makeup Saturday), so a December date
// belongs to the next year's notice.
int schedule_year_of(const common::YearMonthDay& date);

// The published notices, year by year. A year without a notice is unknown: its days are all
// ordinary, and callers tell the user so (is_published).
class HolidaySchedule {
  public:
    // The notices built into the engine: 2004 to 2026 (official_holiday_notices.inc).
    static const HolidaySchedule& built_in();

    bool is_published(int year) const;
    std::vector<int> published_years() const;

    // The scheduled day of a date (its time of day ignored); Ordinary in an unknown year.
    ScheduledDay day(common::OleDate date) const;
    // Monday to Friday unless an off day, and every makeup workday; in an unknown year simply
    // Monday to Friday.
    bool is_official_workday(common::OleDate date) const;

    // The off days and makeup workdays of a notice, in date order; empty for an unknown year.
    std::vector<ScheduledDay> days_of(int year) const;

    // Makes each given notice the whole schedule of its year, adding the year or replacing
    // what was known of it. Days that belong to another year's notice are ignored.
    void replace_years(const std::map<int, std::vector<ScheduledDay>>& notices);

  private:
    std::map<int, std::vector<ScheduledDay>> years_;  // each sorted by date
};

}  // namespace moonleaf
