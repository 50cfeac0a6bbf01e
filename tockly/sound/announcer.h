#pragma once

// Spoken announcements: a chain of clips on Mp3Play1 whose progress is Mp3Play1's Tag. Each
// end of playback starts the next clip; the hour and minute are read when their step starts.

#include <string>

#include "tockly/model/shared_state.h"
#include "tockly/platform/clock.h"
#include "tockly/sound/sound_system.h"

namespace tockly::sound {

// Announcement kinds (arguments of bofang_shijian).
namespace announce {
inline constexpr const char* kCurrentTime = "现在时间";
inline constexpr const char* kChime = "整点报时";
inline constexpr const char* kAlarm = "定时";
inline constexpr const char* kThreeMinutesLeft = "剩余3分钟";
inline constexpr const char* kTwoMinutesLeft = "剩余2分钟";
inline constexpr const char* kOneMinuteLeft = "剩余1分钟";
inline constexpr const char* kThirteenSecondsLeft = "剩余13秒钟";
inline constexpr const char* kShutdownCancelled = "定时关机被取消";
inline constexpr const char* kCustomCancelled = "自定义声音报时被取消";
}  // namespace announce

// Steps kept in Mp3Play1's Tag.
namespace step {
inline constexpr const char* kNotice = "播放定时";
inline constexpr const char* kHour = "播放现在小时";
inline constexpr const char* kMinute = "播放现在分钟";
}  // namespace step

// Told when the final shutdown warning has been heard to its end.
class FinalWarningListener {
  public:
    virtual ~FinalWarningListener() = default;
    virtual void final_warning_ended() = 0;
};

// Handles the ends of playback on Mp3Play1: each one moves the announcement on.
class Announcer : public PlaybackEndListener {
  public:
    Announcer(SoundSystem& sound, platform::Clock& clock, model::SharedState& shared,
              std::string program_dir);

    // Starts the announcement `xiang`; unknown kinds, and every kind once the final shutdown
    // warning was given, do nothing.
    void bofang_shijian(const std::string& xiang);

    // The end of playback on Mp3Play1.
    void playback_ended() override;
    // Whoever carries out the shutdown once the final warning clip has ended.
    void set_final_warning_listener(FinalWarningListener* listener) { final_listener_ = listener; }

    const std::string& program_dir() const { return program_dir_; }

  private:
    void hour_step();
    void minute_step();
    void play(const std::string& relative_path) { sound_.play_clip(program_dir_ + relative_path); }

    SoundSystem& sound_;
    platform::Clock& clock_;
    model::SharedState& shared_;
    std::string program_dir_;
    FinalWarningListener* final_listener_ = nullptr;
};

}  // namespace tockly::sound
