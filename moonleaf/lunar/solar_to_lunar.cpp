#include "moonleaf/lunar/solar_to_lunar.h"

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

struct LunarMonth {
    long first_day;  // whole day serial of its day 1
    std::int16_t year;
    std::int16_t month;
    bool leap;
};

// Every lunar month of the table, and for every day the month it lies in: a conversion is
// then two lookups, which the month view and the dump make for every day they show. About
// 2,400 months and 70,000 days (140 KB).
class Calendar {
  public:
    Calendar() {
        long day = kAnchor1900;
        for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
            const int leap = LeapMonthOf(y);
            for (int m = 1; m <= 12; ++m) {
                add_month(day, y, m, false, LunarMonthLength(y, m));
                if (m == leap) add_month(day, y, m, true, LeapMonthLength(y));
            }
        }
    }

    long end() const { return kAnchor1900 + static_cast<long>(month_of_day_.size()); }

    // `day` must lie in kAnchor1900 … end() − 1.
    LunarDate at(long day) const {
        const LunarMonth& month =
            months_[month_of_day_[static_cast<std::size_t>(day - kAnchor1900)]];
        return {month.leap, month.year, month.month,
                static_cast<std::int16_t>(day - month.first_day + 1)};
    }

  private:
    void add_month(long& day, int year, int month, bool leap, int length) {
        const auto index = static_cast<std::uint16_t>(months_.size());
        months_.push_back(
            {day, static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), leap});
        month_of_day_.insert(month_of_day_.end(), static_cast<std::size_t>(length), index);
        day += length;
    }

    std::vector<LunarMonth> months_;
    std::vector<std::uint16_t> month_of_day_;
};

const Calendar& calendar() {
    static const Calendar instance;
    return instance;
}

}  // namespace

LunarDate ToLunarDate(common::OleDate date) {
    const Calendar& cal = calendar();
    const long day = whole_day_of(date);
    if (day < kAnchor1900 || day >= cal.end())
        throw LunarRangeError("the date " + common::OleDate::from_day(day).iso() +
                              " is outside the lunar calendar's range 1900-01-31 to 2091-02-17");
    return cal.at(day);
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
