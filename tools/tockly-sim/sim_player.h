#pragma once

#include <cstdint>
#include <string>

#include "tockly/platform/file_system.h"
#include "tockly/platform/player.h"
#include "tools/tockly-sim/event_printer.h"
#include "tools/tockly-sim/sim_events.h"

namespace tockly::sim {

// A player that plays nothing but keeps time. Opening answers 0 when the file exists; a played
// file lasts `clip_ms` and then reports its end at that exact moment; a stop reports the end of
// a playing file at once, through the message queue, so that the stop's wait receives it.
class SimPlayer : public platform::Player {
  public:
    SimPlayer(int number, std::int64_t clip_ms, platform::FileSystem& files, SimClock& clock,
              SimEventQueue& queue, EventPrinter& printer)
        : number_(number),
          clip_ms_(clip_ms),
          files_(files),
          clock_(clock),
          queue_(queue),
          printer_(printer) {}

    static constexpr int kOpenFailed = 277;  // the component's "cannot open the file"

    int playerOpen(const std::string& path) override;
    void playerPlay() override;
    void playerStop() override;

  private:
    void print(const std::string& what);
    void report_end();

    int number_;
    std::int64_t clip_ms_;
    platform::FileSystem& files_;
    SimClock& clock_;
    SimEventQueue& queue_;
    EventPrinter& printer_;
    bool loaded_ = false;
    bool playing_ = false;
    long playback_ = 0;  // a posted end belongs to one playback only
};

}  // namespace tockly::sim
