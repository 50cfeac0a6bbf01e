// The regional time text comes from the system's settings, which the user may set to anything:
// normalising it must never misbehave, and its result must always read back as a time.
#include <cstdint>
#include <string_view>

#include "tockly/model/time_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normalised = tockly::model::biaozhungeshi(text);
    (void)tockly::model::split_time(normalised);
    (void)tockly::model::numeric_value(text);
    return 0;
}
