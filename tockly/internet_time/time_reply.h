#pragma once

// The time page's reply: a date, "|", a time, e.g. "2010-4-5|11:42:51"; further "|" fields are
// ignored. The reply comes from the network and sets the computer's clock, so it is read
// strictly: a real calendar day and a real time of day, or nothing.

#include <optional>
#include <string_view>

#include "tockly/platform/system_time.h"

namespace tockly::internet_time {

// Year-month-day with "-" or "/" (years 1601-9999), then hour:minute:second (0-23, 0-59,
// 0-59); blanks and line ends around each field are allowed. Any size of reply is read in one
// pass over its first two fields at most.
std::optional<platform::LocalDateTime> parse_time_reply(std::string_view reply);

}  // namespace tockly::internet_time
