// The regional time text comes from the system's settings, which the user may set to anything:
// normalising it must never misbehave, and its result must always read back as a time.
#include <cstdint>
#include <string_view>

#include "tockly/engine/time_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string normalised = tockly::engine::biaozhungeshi(text);
    (void)tockly::engine::split_time(normalised);
    (void)tockly::engine::numeric_value(text);
    return 0;
}
