#include "tockly/platform/fakes/fake_clock.h"

#include <charconv>
#include <cmath>

namespace tockly::platform {

namespace {

std::string two_digits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

FakeClock::FakeClock() : day_(common::OleDate::from_ymd(2026, 1, 1).day()) {}

void FakeClock::set(int year, int month, int day, int hour, int minute, double second) {
    day_ = common::OleDate::from_ymd(year, month, day).day();
    set_time(hour, minute, second);
}

void FakeClock::set_time(int hour, int minute, double second) {
    seconds_ = hour * 3600.0 + minute * 60.0 + second;
}

void FakeClock::advance(double seconds) {
    seconds_ += seconds;
    const double whole_days = std::floor(seconds_ / 86400.0);
    day_ += static_cast<long>(whole_days);
    seconds_ -= whole_days * 86400.0;
}

common::OleDate FakeClock::now() const {
    return common::OleDate(static_cast<double>(day_) + seconds_ / 86400.0);
}

std::string FakeClock::time_text() const {
    const int whole = static_cast<int>(seconds_);
    const int hour = whole / 3600;
    const std::string rest = ":" + two_digits(whole / 60 % 60) + ":" + two_digits(whole % 60);
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
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
    if (date_style == DateStyle::kDashesPadded) {
        return std::to_string(ymd.year) + "-" + two_digits(ymd.month) + "-" + two_digits(ymd.day);
    }
    return std::to_string(ymd.year) + "/" + std::to_string(ymd.month) + "/" +
           std::to_string(ymd.day);
}

std::optional<common::OleDate> FakeClock::parse_short_date(std::string_view text) const {
    return parse_numeric_date(text, date_style == DateStyle::kDashesPadded ? '-' : '/');
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
