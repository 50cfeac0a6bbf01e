#include "tools/tockly-sim/sim_clock.h"

#include <cstdio>

#include "tockly/platform/fakes/fake_clock.h"

namespace tockly::sim {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

}  // namespace

std::int64_t SimClock::ms_of(const common::YearMonthDay& date, int hour, int minute, int second) {
    const std::int64_t day = common::OleDate::from_ymd(date).day();
    return day * kMsPerDay + ((hour * 60 + minute) * 60 + second) * std::int64_t{1000};
}

std::int64_t SimClock::ms_of_day(std::int64_t ms) {
    const std::int64_t rest = ms % kMsPerDay;
    return rest < 0 ? rest + kMsPerDay : rest;
}

std::string SimClock::stamp() const {
    const std::int64_t ms = ms_of_day();
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", int(ms / 3'600'000),
                  int(ms / 60'000 % 60), int(ms / 1000 % 60), int(ms % 1000));
    return text;
}

float SimClock::seconds_since_midnight() const {
    return float(double(ms_of_day()) / 1000.0);
}

common::OleDate SimClock::now() const {
    const std::int64_t day = (now_ms_ - ms_of_day()) / kMsPerDay;
    return common::OleDate(double(day) + double(ms_of_day()) / double(kMsPerDay));
}

std::string SimClock::time_text() const {
    const std::int64_t ms = ms_of_day();
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", int(ms / 3'600'000), int(ms / 60'000 % 60),
                  int(ms / 1000 % 60));
    return text;
}

std::string SimClock::format_short_date(common::OleDate when) const {
    const common::YearMonthDay date = when.ymd();
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

std::optional<common::OleDate> SimClock::parse_short_date(std::string_view text) const {
    return platform::parse_numeric_date(text, '-');
}

}  // namespace tockly::sim
