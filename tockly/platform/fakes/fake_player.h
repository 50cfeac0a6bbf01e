#pragma once

// A player that plays nothing but keeps time: a clip lasts `clip_length(path)` seconds of the
// fake clock, its end arrives through the event queue, and a stop reports the end at once
// (delivered by the next round of message processing, as the real component does).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tockly/platform/fakes/fake_events.h"
#include "tockly/platform/player.h"

namespace tockly::platform {

class FakePlayer : public Player {
  public:
    FakePlayer(FakeClock& clock, FakeEventQueue& queue) : clock_(clock), queue_(queue) {}

    int playerOpen(const std::string& path) override;
    void playerPlay() override;
    void playerStop() override;

    // Length of a clip in seconds; nothing means the file cannot be opened. Every file opens
    // and lasts one second unless a test says otherwise.
    std::function<std::optional<double>(const std::string& path)> clip_length =
        [](const std::string&) { return std::optional<double>(1.0); };

    static constexpr int kOpenFailed = 277;

    bool playing() const { return playing_; }
    const std::string& loaded_path() const { return loaded_path_; }
    // Every call and event in order: "open PATH RESULT", "play", "stop", "end".
    std::vector<std::string> log;
    // Paths passed to playerPlay, in order: what was actually heard.
    std::vector<std::string> played;
    // Runs with each new log line.
    std::function<void(const std::string&)> on_log;

  private:
    void record(std::string line);
    void end_playback();

    FakeClock& clock_;
    FakeEventQueue& queue_;
    std::string loaded_path_;
    std::optional<double> loaded_length_;
    bool playing_ = false;
    long generation_ = 0;  // a scheduled natural end belongs to one playback only
};

}  // namespace tockly::platform
