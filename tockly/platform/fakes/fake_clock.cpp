#include "tockly/platform/fakes/fake_clock.h"

#include <cmath>

#include "tockly/model/text_functions.h"

namespace tockly::platform {

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
    const std::string rest = ":" + model::two_digit(std::to_string(whole / 60 % 60)) + ":" +
                             model::two_digit(std::to_string(whole % 60));
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

std::string FakeClock::short_date_text() const {
    const auto ymd = common::OleDate::from_day(day_).ymd();
    if (date_style == DateStyle::kDashesPadded) {
        return std::to_string(ymd.year) + "-" + model::two_digit(std::to_string(ymd.month)) + "-" +
               model::two_digit(std::to_string(ymd.day));
    }
    return std::to_string(ymd.year) + "/" + std::to_string(ymd.month) + "/" +
           std::to_string(ymd.day);
}

}  // namespace tockly::platform
