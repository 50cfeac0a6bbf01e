#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace common {

struct YearMonthDay {
    int year;
    int month;  // 1-12
    int day;    // 1-31
    auto operator<=>(const YearMonthDay&) const = default;
};

bool is_leap_year(int year);
int days_in_month(int year, int month);

namespace detail {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's days_from_civil).
constexpr long days_from_civil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

inline constexpr long kOleEpoch = days_from_civil(1899, 12, 30);

}  // namespace detail

// An OLE Automation date: days since 1899-12-30 as a double, the fraction being the time of
// day. COM hosts hand dates over in this form, and several calendar rules depend on it (a
// time after noon rounds a day difference up, a date with a time never equals a whole date).
// Before 1899-12-30 the integral part still names the day and the fraction counts forward
// from that day's midnight, as OLE does.
class OleDate {
  public:
    constexpr OleDate() = default;
    constexpr explicit OleDate(double serial) : serial_(serial) {}

    // Midnight of a valid calendar day.
    static constexpr OleDate from_ymd(int year, int month, int day) {
        return from_day(detail::days_from_civil(year, static_cast<unsigned>(month),
                                                static_cast<unsigned>(day)) -
                        detail::kOleEpoch);
    }
    static constexpr OleDate from_ymd(const YearMonthDay& ymd) {
        return from_ymd(ymd.year, ymd.month, ymd.day);
    }
    // Midnight of the whole day `day_serial` (days since 1899-12-30).
    static constexpr OleDate from_day(long day_serial) { return OleDate(double(day_serial)); }

    constexpr double serial() const { return serial_; }
    // OLE's own range, 0100-01-01 to 9999-12-31.
    static constexpr double kMinSerial = -657434.0;
    static constexpr double kMaxSerial = 2958465.0;
    bool in_ole_range() const { return serial_ >= kMinSerial && serial_ < kMaxSerial + 1.0; }

    // The calendar day this value falls on, as a whole day serial; the time is dropped.
    // A value outside OLE's range (NaN included) is pinned to the nearer end, so a host's
    // garbage can never make us compute with a day that does not exist.
    long day() const;
    // Fraction of the day elapsed, 0 <= t < 1.
    double time_of_day() const;
    bool has_time_of_day() const { return time_of_day() != 0.0; }
    OleDate date_only() const { return from_day(day()); }

    YearMonthDay ymd() const;
    int year() const { return ymd().year; }
    int month() const { return ymd().month; }
    int day_of_month() const { return ymd().day; }
    // 0 = Sunday ... 6 = Saturday.
    int weekday() const;

    std::string yyyymmdd() const;  // "20200523"
    std::string mmdd() const;      // "0523"
    std::string iso() const;       // "2020-05-23"

    friend constexpr auto operator<=>(OleDate a, OleDate b) { return a.serial_ <=> b.serial_; }
    friend constexpr bool operator==(OleDate a, OleDate b) { return a.serial_ == b.serial_; }

  private:
    double serial_ = 0.0;
};

// Parses "YYYY-MM-DD" with a real calendar day (years 1 to 9999); nothing else is accepted.
std::optional<YearMonthDay> parse_iso_date(std::string_view text);

}  // namespace common
