#include "common/ole_date.h"

#include <cmath>
#include <cstdio>

namespace common {
namespace {

YearMonthDay civil_from_days(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

bool is_leap_year(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29 : lengths[month - 1];
}

long OleDate::day() const {
    if (!(serial_ >= kMinSerial)) return static_cast<long>(kMinSerial);
    if (serial_ >= kMaxSerial + 1.0) return static_cast<long>(kMaxSerial);
    return static_cast<long>(std::trunc(serial_));
}

double OleDate::time_of_day() const {
    if (!in_ole_range()) return 0.0;
    return std::fabs(serial_ - std::trunc(serial_));
}

YearMonthDay OleDate::ymd() const {
    return civil_from_days(day() + detail::kOleEpoch);
}

int OleDate::weekday() const {
    // 1899-12-30 was a Saturday.
    const long w = (day() + 6) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

std::string OleDate::yyyymmdd() const {
    const YearMonthDay d = ymd();
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.year % 10000, d.month, d.day);
    return text;
}

std::string OleDate::mmdd() const {
    return yyyymmdd().substr(4);
}

std::string OleDate::iso() const {
    const YearMonthDay d = ymd();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year % 10000, d.month, d.day);
    return text;
}

std::optional<YearMonthDay> parse_iso_date(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int fields[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (std::size_t i = starts[f]; i < starts[f] + lengths[f]; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            fields[f] = fields[f] * 10 + (text[i] - '0');
        }
    }
    const YearMonthDay d{fields[0], fields[1], fields[2]};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > days_in_month(d.year, d.month))
        return std::nullopt;
    return d;
}

}  // namespace common
