#include "tockly/sound/announcer.h"

#include <cmath>

#include "tockly/model/time_text.h"
#include "tockly/sound/voice_files.h"

namespace tockly::sound {

namespace {

int whole(double value) {
    if (!std::isfinite(value) || value < 0 || value > 1e6) return 0;
    return static_cast<int>(value);
}

}  // namespace

Announcer::Announcer(SoundSystem& sound, platform::Clock& clock, model::SharedState& shared,
                     std::string program_dir)
    : sound_(sound), clock_(clock), shared_(shared), program_dir_(std::move(program_dir)) {}

void Announcer::hour_step() {
    const auto now = model::split_time(model::biaozhungeshi(clock_.time_text()));
    play(hour_clip(whole(now.hour), now.minute == 0));
}

void Announcer::minute_step() {
    const auto now = model::split_time(model::biaozhungeshi(clock_.time_text()));
    if (now.minute != 0) play(minute_clip(whole(now.minute)));
}

void Announcer::bofang_shijian(const std::string& xiang) {
    if (shared_.shifouguanji() == model::kShutdownFinal) return;
    std::string& tag = sound_.Mp3Play1.Tag;
    if (xiang == announce::kCurrentTime || xiang == announce::kChime) {
        hour_step();
        tag = step::kHour;
    } else if (xiang == announce::kAlarm) {
        play(kAlarmNoticeClip);
        tag = step::kNotice;
    } else if (xiang == announce::kThreeMinutesLeft || xiang == announce::kTwoMinutesLeft ||
               xiang == announce::kOneMinuteLeft) {
        const int minutes = xiang == announce::kThreeMinutesLeft ? 3
                            : xiang == announce::kTwoMinutesLeft ? 2
                                                                 : 1;
        play(warning_clip(minutes));
        tag = xiang;
    } else if (xiang == announce::kThirteenSecondsLeft) {
        play(warning_clip(0));
        tag = xiang;
        shared_.set_shifouguanji(model::kShutdownFinal);
    } else if (xiang == announce::kShutdownCancelled) {
        tag.clear();
        play(kShutdownCancelledClip);
    } else if (xiang == announce::kCustomCancelled) {
        tag.clear();
        sound_.tingzhi_shengyin("Mp3Play1");
    }
}

void Announcer::playback_ended() {
    sound_.shezhi_shengyin(kVolumeSystem);
    if (shared_.shifouguanji() == model::kShutdownFinal) {
        if (final_listener_) final_listener_->final_warning_ended();
        return;
    }
    std::string& tag = sound_.Mp3Play1.Tag;
    if (tag == step::kNotice) {
        hour_step();
        tag = step::kHour;
    } else if (tag == step::kHour) {
        minute_step();
        tag = step::kMinute;
    }
    if (tag == kCustomTag) tag.clear();
}

}  // namespace tockly::sound
