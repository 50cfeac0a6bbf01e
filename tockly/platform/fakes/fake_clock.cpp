#include "tockly/platform/fakes/fake_clock.h"

#include <charconv>
#include <cmath>

namespace tockly::platform {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Minutes and seconds as the regional texts write them, "07".
std::string two_digit(std::int64_t n) {
    const std::string digits = std::to_string(n);
    return digits.size() == 1 ? "0" + digits : digits;
}

}  // namespace

FakeClock::FakeClock() : now_ms_(ms_of({2026, 1, 1}, 0, 0, 0)) {}

std::int64_t FakeClock::ms_of(const common::YearMonthDay& date, int hour, int minute, int second) {
    const std::int64_t day = common::OleDate::from_ymd(date).day();
    return day * kMsPerDay + ((hour * 60 + minute) * 60 + second) * std::int64_t{1000};
}

std::int64_t FakeClock::ms_of_day(std::int64_t ms) {
    const std::int64_t rest = ms % kMsPerDay;
    return rest < 0 ? rest + kMsPerDay : rest;
}

void FakeClock::set(int year, int month, int day, int hour, int minute, double second) {
    now_ms_ = ms_of({year, month, day}, 0, 0, 0);
    set_time(hour, minute, second);
}

void FakeClock::set_time(int hour, int minute, double second) {
    now_ms_ = now_ms_ - ms_of_day(now_ms_) +
              std::llround((hour * 3600.0 + minute * 60.0 + second) * 1000);
}

float FakeClock::seconds_since_midnight() const {
    return static_cast<float>(static_cast<double>(ms_of_day(now_ms_)) / 1000.0);
}

common::OleDate FakeClock::now() const {
    const std::int64_t day = (now_ms_ - ms_of_day(now_ms_)) / kMsPerDay;
    return common::OleDate(static_cast<double>(day) +
                           static_cast<double>(ms_of_day(now_ms_)) / kMsPerDay);
}

std::string FakeClock::time_text() const {
    const std::int64_t whole = ms_of_day(now_ms_) / 1000;
    const std::int64_t hour = whole / 3600;
    const std::string rest = ":" + two_digit(whole / 60 % 60) + ":" + two_digit(whole % 60);
    const std::int64_t hour12 = hour % 12 == 0 ? 12 : hour % 12;
    switch (time_style) {
        case TimeStyle::kMarkerFirst:
            return std::string(hour < 12 ? "上午 " : "下午 ") + std::to_string(hour12) + rest;
        case TimeStyle::kMarkerLast:
            return std::to_string(hour12) + rest + (hour < 12 ? " AM" : " PM");
        case TimeStyle::k24Hour:
            break;
    }
    return std::to_string(hour) + rest;
}

std::string FakeClock::format_short_date(common::OleDate date) const {
    const auto ymd = date.ymd();
    switch (date_style) {
        case DateStyle::kDashesPadded:
            return std::to_string(ymd.year) + "-" + two_digit(ymd.month) + "-" + two_digit(ymd.day);
        case DateStyle::kDashes:
            return std::to_string(ymd.year) + "-" + std::to_string(ymd.month) + "-" +
                   std::to_string(ymd.day);
        case DateStyle::kSlashes:
            break;
    }
    return std::to_string(ymd.year) + "/" + std::to_string(ymd.month) + "/" +
           std::to_string(ymd.day);
}

std::optional<common::OleDate> FakeClock::parse_short_date(std::string_view text) const {
    return parse_numeric_date(text, date_style == DateStyle::kSlashes ? '/' : '-');
}

std::optional<common::OleDate> parse_numeric_date(std::string_view text, char separator) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int parts[3] = {0, 0, 0};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (at == end || *at != separator) return std::nullopt;
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        if (error != std::errc() || next == at || next - at > 4) return std::nullopt;
        at = next;
    }
    const int year = parts[0], month = parts[1], day = parts[2];
    if (at != end || year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > common::days_in_month(year, month))
        return std::nullopt;
    return common::OleDate::from_ymd(year, month, day);
}

}  // namespace tockly::platform
