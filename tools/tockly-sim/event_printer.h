#pragma once

#include <cstdio>
#include <string>

#include "tockly/platform/fakes/fake_clock.h"

namespace tockly::sim {

// One line per event: "HH:MM:SS.mmm EVENT", UTF-8, LF, in the order the events happen.
class EventPrinter {
  public:
    EventPrinter(const platform::FakeClock& clock, std::FILE* out) : clock_(clock), out_(out) {}

    void print(const std::string& event);
    // "HH:MM:SS.mmm", the stamp of each printed event.
    std::string stamp() const;

    // A path inside the program folder (`program_dir` ends in "\") is printed relative to it.
    void set_program_dir(std::string program_dir) { program_dir_ = std::move(program_dir); }
    std::string shown_path(const std::string& path) const;

  private:
    const platform::FakeClock& clock_;
    std::FILE* out_;
    std::string program_dir_;
};

}  // namespace tockly::sim
