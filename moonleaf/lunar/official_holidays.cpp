#include "moonleaf/lunar/official_holidays.h"

#include <algorithm>
#include <string_view>

namespace moonleaf {
namespace {

using common::OleDate;
using common::YearMonthDay;

struct NoticeRow {
    YearMonthDay first;
    int days;               // the off period's length; 0 for a makeup workday
    std::string_view name;  // the holiday; empty for a makeup workday
};

constexpr NoticeRow off(int year, int month, int day, int days, std::string_view name) {
    return {{year, month, day}, days, name};
}
constexpr NoticeRow work(int year, int month, int day) {
    return {{year, month, day}, 0, {}};
}

constexpr NoticeRow kNoticeRows[] = {
#include "moonleaf/lunar/official_holiday_notices.inc"
};

void add_day(std::map<int, std::vector<ScheduledDay>>& years, ScheduledDay day) {
    years[schedule_year_of(day.date)].push_back(std::move(day));
}

HolidaySchedule built_in_schedule() {
    std::map<int, std::vector<ScheduledDay>> years;
    for (const NoticeRow& row : kNoticeRows) {
        if (row.days == 0) {
            add_day(years, {row.first, DayKind::MakeupWorkday, {}});
            continue;
        }
        const long first = OleDate::from_ymd(row.first).day();
        for (long day = first; day < first + row.days; ++day)
            add_day(years, {OleDate::from_day(day).ymd(), DayKind::OffDay, std::string(row.name)});
    }
    HolidaySchedule schedule;
    schedule.replace_years(years);
    return schedule;
}

bool earlier(const ScheduledDay& a, const ScheduledDay& b) {
    return a.date < b.date;
}

}  // namespace

int schedule_year_of(const YearMonthDay& date) {
    return date.month == 12 ? date.year + 1 : date.year;
}

const HolidaySchedule& HolidaySchedule::built_in() {
    static const HolidaySchedule schedule = built_in_schedule();
    return schedule;
}

bool HolidaySchedule::is_published(int year) const {
    return years_.contains(year);
}

std::vector<int> HolidaySchedule::published_years() const {
    std::vector<int> years;
    for (const auto& [year, days] : years_) years.push_back(year);
    return years;
}

ScheduledDay HolidaySchedule::day(OleDate date) const {
    const YearMonthDay ymd = date.ymd();
    const auto year = years_.find(schedule_year_of(ymd));
    if (year != years_.end()) {
        const std::vector<ScheduledDay>& days = year->second;
        const auto found = std::lower_bound(days.begin(), days.end(),
                                            ScheduledDay{ymd, DayKind::Ordinary, {}}, earlier);
        if (found != days.end() && found->date == ymd) return *found;
    }
    return {ymd, DayKind::Ordinary, {}};
}

bool HolidaySchedule::is_official_workday(OleDate date) const {
    switch (day(date).kind) {
        case DayKind::OffDay:
            return false;
        case DayKind::MakeupWorkday:
            return true;
        case DayKind::Ordinary:
            break;
    }
    const int weekday = date.weekday();
    return weekday != 0 && weekday != 6;
}

std::vector<ScheduledDay> HolidaySchedule::days_of(int year) const {
    const auto found = years_.find(year);
    return found == years_.end() ? std::vector<ScheduledDay>{} : found->second;
}

void HolidaySchedule::replace_years(const std::map<int, std::vector<ScheduledDay>>& notices) {
    for (const auto& [year, days] : notices) {
        std::vector<ScheduledDay>& kept = years_[year];
        kept.clear();
        for (const ScheduledDay& day : days)
            if (schedule_year_of(day.date) == year) kept.push_back(day);
        std::stable_sort(kept.begin(), kept.end(), earlier);
    }
}

}  // namespace moonleaf
