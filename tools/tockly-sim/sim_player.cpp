#include "tools/tockly-sim/sim_player.h"

namespace tockly::sim {

void SimPlayer::print(const std::string& what) {
    printer_.print(what + " " + std::to_string(number_));
}

int SimPlayer::playerOpen(const std::string& path) {
    // Opening another file ends what was playing without an end report, as the component does.
    ++playback_;
    playing_ = false;
    loaded_ = files_.file_exists(path);
    const int result = loaded_ ? 0 : kOpenFailed;
    printer_.print("open " + std::to_string(number_) + " " + printer_.shown_path(path) + " " +
                   std::to_string(result));
    return result;
}

void SimPlayer::playerPlay() {
    print("play");
    if (!loaded_) return;
    playing_ = true;
    const long playback = ++playback_;
    if (events()) events()->playbackStarted();
    queue_.post(clock_.now_ms() + clip_ms_, [this, playback] {
        if (playback != playback_) return;
        playing_ = false;
        report_end();
    });
}

void SimPlayer::playerStop() {
    print("stop");
    if (!playing_) return;
    ++playback_;
    playing_ = false;
    queue_.post(clock_.now_ms(), [this] { report_end(); });
}

void SimPlayer::report_end() {
    print("end");
    if (events()) events()->playbackEnded();
}

}  // namespace tockly::sim
