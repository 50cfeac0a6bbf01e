#pragma once

// What the program's site answers: the time page that Tockly sets the clock from, the news
// page its popup shows, and the upgrade page of its tray menu.

#include <string>

#include "tockly/platform/system_time.h"
#include "tools/site-server/http_message.h"

namespace tockly::site {

inline constexpr const char* kTimePath = "/time";
inline constexpr const char* kNewsPath = "/news";
inline constexpr const char* kUpgradePath = "/upgrade";
inline constexpr const char* kHolidaysPath = "/holidays";

// The machine's local date and time, in the form Tockly sets the computer's clock from.
using LocalTime = platform::LocalDateTime;

// "2010-4-5|11:42:51": the date as year-month-day without leading zeros, "|", the 24-hour
// time with two-digit minutes and seconds.
std::string time_reply(const LocalTime& now);

// A small UTF-8 page: the Gregorian date and weekday, the lunar date, the day's solar term
// and festivals.
std::string news_page(const LocalTime& now);

// The version `version` ("8.0.9") and where it is published.
std::string upgrade_page(const std::string& version);

// "/holidays?year=2027": the official schedule of that year in the format of the holiday file
// beside the program ("节假日.txt"), 404 for a year without a published notice, 400 when the
// query names no year of four digits.
Response holidays_page(const std::string& query);

// The answer to one well-formed request.
Response answer(const RequestHead& request, const LocalTime& now, const std::string& version);

}  // namespace tockly::site
