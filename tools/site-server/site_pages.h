#pragma once

// What the program's site answers: the time page that Tockly sets the clock from, the news
// page its popup shows, and the upgrade page of its tray menu.

#include <string>

#include "tools/site-server/http_message.h"

namespace tockly::site {

inline constexpr const char* kTimePath = "/time";
inline constexpr const char* kNewsPath = "/news";
inline constexpr const char* kUpgradePath = "/upgrade";

// A local date and time, as the clock of the machine the site runs on shows it.
struct LocalTime {
    int year = 0;
    int month = 0;   // 1-12
    int day = 0;     // 1-31
    int hour = 0;    // 0-23
    int minute = 0;  // 0-59
    int second = 0;  // 0-59 (60 in a leap second)
};

// "2010-4-5|11:42:51": the date as year-month-day without leading zeros, "|", the 24-hour
// time with two-digit minutes and seconds.
std::string time_reply(const LocalTime& now);

// A small UTF-8 page: the Gregorian date and weekday, the lunar date, the day's solar term
// and festivals.
std::string news_page(const LocalTime& now);

// The version `version` ("8.0.9") and where it is published.
std::string upgrade_page(const std::string& version);

// The answer to one well-formed request.
Response answer(const RequestHead& request, const LocalTime& now, const std::string& version);

}  // namespace tockly::site
