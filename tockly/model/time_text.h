#pragma once

// Reading numbers and times out of the texts the controls and the regional settings produce.

#include <string>
#include <string_view>

#include "tockly/model/number_text.h"

namespace tockly::model {

// Turns a time text in the regional format ("21:05:09", "下午 1:05:09", "PM 1:05:09") into the
// 24-hour form hour ":" two-digit minute ":" two-digit second ("13:05:09"). A day-half marker
// in front of the time is applied; one written after it is dropped and not applied.
std::string biaozhungeshi(std::string_view shi);

// Hour, minute and second of a biaozhungeshi result, each read as a number.
struct TimeOfDay {
    double hour = 0;
    double minute = 0;
    double second = 0;
};
TimeOfDay split_time(std::string_view normalised);

}  // namespace tockly::model
