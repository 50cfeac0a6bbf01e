#include "moonleaf/lunar/solar_to_lunar.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace moonleaf {
namespace {

constexpr long kAnchor1900 =
    static_cast<long>(common::OleDate::from_ymd(1900, 1, 31).serial());  // lunar 1900-01-01
constexpr long kAnchor2000 =
    static_cast<long>(common::OleDate::from_ymd(2000, 2, 5).serial());  // lunar 2000-01-01

// The day count from the anchor is rounded to nearest, ties to even, as the calendar has
// always done; with the odd-numbered 2000 anchor that decides where a noon tie lands, so
// the rounding is taken on the difference, not on the date.
long whole_day_of(common::OleDate date) {
    const double serial = date.serial();
    if (!std::isfinite(serial)) throw LunarRangeError("the date is not a number");
    const long anchor = serial <= double(kAnchor2000) ? kAnchor1900 : kAnchor2000;
    const double offset = std::nearbyint(serial - double(anchor));
    if (std::fabs(offset) > 1e7) throw LunarRangeError("the date is far outside 1900-2091");
    return anchor + static_cast<long>(offset);
}

struct MonthStart {
    int offset;  // days from the lunar New Year
    std::int16_t month;
    bool leap;
};

struct YearLayout {
    long new_year;  // whole day serial of month 1 day 1
    std::vector<MonthStart> months;
};

// Lays out every lunar year once, so a conversion is a binary search and a short walk
// instead of a scan over up to a hundred years.
struct Calendar {
    std::vector<YearLayout> years;
    long end;  // first day after lunar 2090

    Calendar() {
        long day = kAnchor1900;
        for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
            YearLayout layout{day, {}};
            const int leap = LeapMonthOf(y);
            int offset = 0;
            for (int m = 1; m <= 12; ++m) {
                layout.months.push_back({offset, static_cast<std::int16_t>(m), false});
                offset += LunarMonthLength(y, m);
                if (m == leap) {
                    layout.months.push_back({offset, static_cast<std::int16_t>(m), true});
                    offset += LeapMonthLength(y);
                }
            }
            years.push_back(std::move(layout));
            day += offset;
        }
        end = day;
    }
};

const Calendar& calendar() {
    static const Calendar instance;
    return instance;
}

}  // namespace

LunarDate ToLunarDate(common::OleDate date) {
    const Calendar& cal = calendar();
    const long day = whole_day_of(date);
    if (day < cal.years.front().new_year || day >= cal.end)
        throw LunarRangeError("the date " + common::OleDate::from_day(day).iso() +
                              " is outside the lunar calendar's range 1900-01-31 to 2091-02-17");
    const auto year = std::upper_bound(cal.years.begin(), cal.years.end(), day,
                                       [](long d, const YearLayout& y) { return d < y.new_year; }) -
                      1;
    const int offset = static_cast<int>(day - year->new_year);
    const auto month = std::upper_bound(year->months.begin(), year->months.end(), offset,
                                        [](int o, const MonthStart& m) { return o < m.offset; }) -
                       1;
    return {month->leap, static_cast<std::int16_t>(kFirstLunarYear + (year - cal.years.begin())),
            month->month, static_cast<std::int16_t>(offset - month->offset + 1)};
}

std::string LunarDateCode(const LunarDate& lunar) {
    // Written digit by digit: this runs for every day the month view draws.
    std::string code(9, '0');
    const auto put = [&code](int value, std::size_t last) {
        for (std::size_t i = last; value > 0; --i, value /= 10)
            code[i] = static_cast<char>('0' + value % 10);
    };
    code[0] = lunar.isLeapMonth ? '1' : '0';
    put(lunar.year, 4);
    put(lunar.month, 6);
    put(lunar.day, 8);
    return code;
}

std::string SolarToLunar(common::OleDate date) {
    return LunarDateCode(ToLunarDate(date));
}

bool IsLastDayOfLunarYear(const LunarDate& lunar) {
    if (LeapMonthOf(lunar.year) == 12)
        return lunar.isLeapMonth && lunar.day == LeapMonthLength(lunar.year);
    return !lunar.isLeapMonth && lunar.month == 12 && lunar.day == LunarMonthLength(lunar.year, 12);
}

}  // namespace moonleaf
