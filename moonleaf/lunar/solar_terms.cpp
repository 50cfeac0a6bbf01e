#include "moonleaf/lunar/solar_terms.h"

#include <cmath>

#include "moonleaf/lunar/lunar_year_table.h"

namespace moonleaf {

const std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

const std::array<int, 24> SolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

namespace {

constexpr int kFirstTabulatedYear = 1901;
constexpr int kLastTabulatedYear = 2090;

// The mean-motion formula drifts by up to a day and ignores China's time zone, so within
// 1901-2090 every term takes the day it really falls on in Beijing time.
const char* const kTermDays[kLastTabulatedYear - kFirstTabulatedYear + 1] = {
#include "moonleaf/lunar/solar_term_days.inc"
};

// Term 1 of 1900 (1900-01-06 02:05) plus whole tropical years and the term's mean minutes.
common::OleDate mean_term_date(int year, int n) {
    const double base = common::OleDate::from_ymd(1900, 1, 6).serial() + (2 * 60 + 5) / 1440.0;
    const double seconds =
        (year - 1900) * 31556925.9747 + SolarTermMinutes[static_cast<std::size_t>(n - 1)] * 60.0;
    return common::OleDate::from_day(static_cast<long>(std::floor(base + seconds / 86400.0)));
}

}  // namespace

common::OleDate SolarTermDate(int year, int n) {
    if (n < 1 || n > 24) throw LunarRangeError("solar term " + std::to_string(n) + " is not 1-24");
    if (year < kFirstTabulatedYear || year > kLastTabulatedYear) return mean_term_date(year, n);
    const char* days = kTermDays[year - kFirstTabulatedYear] + 2 * (n - 1);
    return common::OleDate::from_ymd(year, (n + 1) / 2, (days[0] - '0') * 10 + (days[1] - '0'));
}

std::string_view SolarTermOf(common::OleDate date) {
    if (date.has_time_of_day()) return " ";
    const common::YearMonthDay ymd = date.ymd();
    for (int n = 2 * ymd.month - 1; n <= 2 * ymd.month; ++n)
        if (SolarTermDate(ymd.year, n) == date)
            return SolarTermNames[static_cast<std::size_t>(n - 1)];
    return " ";
}

}  // namespace moonleaf
