// The holiday file lies beside the program and is fetched from the site: reading it must never
// misbehave, and every year it gives must write out and read back as the same days.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "moonleaf/lunar/holiday_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const moonleaf::HolidayText read = moonleaf::parse_holiday_text(text);
    moonleaf::HolidaySchedule schedule;
    schedule.replace_years(read.notices);
    for (const auto& [year, days] : read.notices) {
        const auto written = moonleaf::holiday_text_of_year(schedule, year);
        if (!written) std::abort();
        const moonleaf::HolidayText again = moonleaf::parse_holiday_text(*written);
        if (!again.damaged_lines.empty() || again.notices.size() != 1 ||
            again.notices.begin()->second != schedule.days_of(year))
            std::abort();
    }
    return 0;
}
