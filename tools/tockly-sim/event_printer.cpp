#include "tools/tockly-sim/event_printer.h"

#include <cstdint>

namespace tockly::sim {

std::string EventPrinter::stamp() const {
    const std::int64_t ms = platform::FakeClock::ms_of_day(clock_.now_ms());
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", int(ms / 3'600'000),
                  int(ms / 60'000 % 60), int(ms / 1000 % 60), int(ms % 1000));
    return text;
}

void EventPrinter::print(const std::string& event) {
    const std::string line = stamp() + " " + event + "\n";
    std::fwrite(line.data(), 1, line.size(), out_);
}

std::string EventPrinter::shown_path(const std::string& path) const {
    if (!program_dir_.empty() && path.starts_with(program_dir_))
        return path.substr(program_dir_.size());
    return path;
}

}  // namespace tockly::sim
