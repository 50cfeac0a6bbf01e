// The time page's reply comes from the network and sets the computer's clock: reading it must
// never misbehave, and whatever it accepts must be a real moment that reads back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/ole_date.h"
#include "tockly/internet_time/time_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const auto when = tockly::internet_time::parse_time_reply(reply);
    if (!when) return 0;
    const bool real = when->month >= 1 && when->month <= 12 && when->day >= 1 &&
                      when->day <= common::days_in_month(when->year, when->month) &&
                      when->hour >= 0 && when->hour <= 23 && when->minute >= 0 &&
                      when->minute <= 59 && when->second >= 0 && when->second <= 59;
    char text[64];
    std::snprintf(text, sizeof text, "%d-%d-%d|%d:%d:%d", when->year, when->month, when->day,
                  when->hour, when->minute, when->second);
    const auto again = tockly::internet_time::parse_time_reply(text);
    if (!real || !again || again->year != when->year || again->month != when->month ||
        again->day != when->day || again->hour != when->hour || again->minute != when->minute ||
        again->second != when->second)
        std::abort();
    return 0;
}
