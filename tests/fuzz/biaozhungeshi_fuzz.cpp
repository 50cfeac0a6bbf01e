// The regional time text comes from the system's settings, which the user may set to anything:
// normalising it must never misbehave, and its result must always read back as a time.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tockly/model/time_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normalised = tockly::model::biaozhungeshi(text);
    // Hour ":" minute ":" second, each of digits only, the hour at least one of them, minute
    // and second at least two.
    const size_t first = normalised.find(':');
    const size_t second = normalised.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos ||
        normalised.find_first_not_of("0123456789:") != std::string::npos ||
        normalised.find(':', second + 1) != std::string::npos || first < 1 ||
        second - first - 1 < 2 || normalised.size() - second - 1 < 2)
        std::abort();
    const tockly::model::TimeOfDay time = tockly::model::split_time(normalised);
    if (!std::isfinite(time.hour) || !std::isfinite(time.minute) || !std::isfinite(time.second) ||
        time.hour < 0 || time.minute < 0 || time.second < 0)
        std::abort();
    // Normalising a normalised time changes nothing.
    if (tockly::model::biaozhungeshi(normalised) != normalised) std::abort();
    (void)tockly::model::numeric_value(text);
    return 0;
}
