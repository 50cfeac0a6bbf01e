// COM hosts may pass any double as a date; every almanac function must answer or raise its
// range error, never misbehave.
#include <cstdint>
#include <cstring>

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/constellation.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double serial;
    std::memcpy(&serial, data, sizeof serial);
    const common::OleDate date(serial);
    (void)moonleaf::ConstellationOf(date);
    (void)date.weekday();
    try {
        (void)moonleaf::SolarTermOf(date);
        (void)moonleaf::LunarDateText(date);
        (void)moonleaf::DayCaption(date);
    } catch (const moonleaf::LunarRangeError&) {
    }
    return 0;
}
