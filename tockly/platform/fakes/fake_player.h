#pragma once

// A player that plays nothing but keeps time: a clip lasts `clip_ms(path)` milliseconds of the
// fake clock and then reports its end at that exact moment; a stop reports the end of a playing
// clip at once, through the event queue, so that the stop's wait receives it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tockly/platform/fakes/fake_events.h"
#include "tockly/platform/player.h"

namespace tockly::platform {

// Told about every call and event of a fake player (the simulator prints them).
class FakePlayerListener {
  public:
    virtual ~FakePlayerListener() = default;
    // `call` is "open" (with the path and its result), "play", "stop" or "end".
    virtual void player_called(int number, const std::string& call, const std::string& path,
                               int result) = 0;
};

class FakePlayer : public Player {
  public:
    // Length of a clip in milliseconds; nothing means the file cannot be opened.
    using ClipLength = std::function<std::optional<std::int64_t>(const std::string& path)>;
    // Every file opens and lasts one second unless told otherwise.
    FakePlayer(
        FakeClock& clock, FakeEventQueue& queue, int number = 1,
        ClipLength clip_ms = [](const std::string&) { return std::int64_t{1000}; })
        : clip_ms(std::move(clip_ms)), clock_(clock), queue_(queue), number_(number) {}

    // The component's "cannot open the file".
    static constexpr int kOpenFailed = 277;

    int playerOpen(const std::string& path) override;
    void playerPlay() override;
    void playerStop() override;

    ClipLength clip_ms;
    bool playing() const { return playing_; }
    const std::string& loaded_path() const { return loaded_path_; }
    // Every call and event in order: "open PATH RESULT", "play", "stop", "end".
    std::vector<std::string> log;
    // Paths that started playing, in order (what was actually heard), and when each started.
    std::vector<std::string> played;
    std::vector<std::int64_t> played_at_ms;
    void set_listener(FakePlayerListener* listener) { listener_ = listener; }

  private:
    void record(const std::string& call, const std::string& path = {}, int result = 0);
    void report_end();

    FakeClock& clock_;
    FakeEventQueue& queue_;
    int number_;
    std::string loaded_path_;
    std::optional<std::int64_t> loaded_ms_;
    bool playing_ = false;
    long playback_ = 0;  // a posted natural end belongs to one playback only
    FakePlayerListener* listener_ = nullptr;
};

}  // namespace tockly::platform
