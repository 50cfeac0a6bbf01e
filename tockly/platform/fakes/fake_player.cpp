#include "tockly/platform/fakes/fake_player.h"

namespace tockly::platform {

void FakePlayer::record(std::string line) {
    log.push_back(line);
    if (on_log) on_log(line);
}

int FakePlayer::playerOpen(const std::string& path) {
    // Opening another file drops the current one without an end report.
    playing_ = false;
    ++generation_;
    loaded_length_ = clip_length ? clip_length(path) : std::nullopt;
    loaded_path_ = loaded_length_ ? path : std::string();
    const int result = loaded_length_ ? 0 : kOpenFailed;
    record("open " + path + " " + std::to_string(result));
    return result;
}

void FakePlayer::playerPlay() {
    record("play");
    if (!loaded_length_) return;
    playing_ = true;
    played.push_back(loaded_path_);
    const long generation = ++generation_;
    queue_.post(clock_.absolute_seconds() + *loaded_length_, [this, generation] {
        if (generation == generation_ && playing_) end_playback();
    });
    if (events()) events()->playbackStarted();
}

void FakePlayer::playerStop() {
    record("stop");
    if (!playing_) return;
    const long generation = ++generation_;
    queue_.post(clock_.absolute_seconds(), [this, generation] {
        if (generation == generation_) end_playback();
    });
}

void FakePlayer::end_playback() {
    playing_ = false;
    record("end");
    if (events()) events()->playbackEnded();
}

}  // namespace tockly::platform
