#include "tockly/platform/fakes/fake_player.h"

namespace tockly::platform {

void FakePlayer::record(const std::string& call, const std::string& path, int result) {
    log.push_back(call == "open" ? call + " " + path + " " + std::to_string(result) : call);
    if (listener_) listener_->player_called(number_, call, path, result);
}

int FakePlayer::playerOpen(const std::string& path) {
    // Opening another file ends what was playing without an end report, as the component does.
    ++playback_;
    playing_ = false;
    loaded_ms_ = clip_ms ? clip_ms(path) : std::nullopt;
    loaded_path_ = loaded_ms_ ? path : std::string();
    const int result = loaded_ms_ ? 0 : kOpenFailed;
    record("open", path, result);
    return result;
}

void FakePlayer::playerPlay() {
    record("play");
    if (!loaded_ms_) return;
    playing_ = true;
    played.push_back(loaded_path_);
    played_at_ms.push_back(clock_.now_ms());
    const long playback = ++playback_;
    if (events()) events()->playbackStarted();
    queue_.post(clock_.now_ms() + *loaded_ms_, [this, playback] {
        if (playback != playback_) return;
        playing_ = false;
        report_end();
    });
}

void FakePlayer::playerStop() {
    record("stop");
    if (!playing_) return;
    ++playback_;
    playing_ = false;
    queue_.post(clock_.now_ms(), [this] { report_end(); });
}

void FakePlayer::report_end() {
    record("end");
    if (events()) events()->playbackEnded();
}

}  // namespace tockly::platform
