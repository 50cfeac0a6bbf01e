#include "tools/tockly-sim/event_printer.h"

namespace tockly::sim {

void EventPrinter::print(const std::string& event) {
    const std::string line = clock_.stamp() + " " + event + "\n";
    std::fwrite(line.data(), 1, line.size(), out_);
}

std::string EventPrinter::shown_path(const std::string& path) const {
    if (!program_dir_.empty() && path.starts_with(program_dir_))
        return path.substr(program_dir_.size());
    return path;
}

}  // namespace tockly::sim
