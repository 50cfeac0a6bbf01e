#pragma once

// The two players and the playback volume. Reminder sounds play at the volume of the options
// page's slider; the system's own wave volume is remembered when a player is stopped and put
// back when playback ends.

#include <cstdint>
#include <string>

#include "tockly/platform/clock.h"
#include "tockly/platform/message_pump.h"
#include "tockly/platform/wave_volume.h"
#include "tockly/sound/player_instance.h"
#include "tockly/ui/controls.h"

namespace tockly::sound {

inline constexpr const char* kVolumePlayback = "播放";
inline constexpr const char* kVolumeSystem = "系统";
// Restored when no system volume was ever captured.
inline constexpr std::int32_t kFallbackChannelVolume = 30600;

// It handles the end of a preview on Mp3Play2 itself; Mp3Play1's ends go to the announcer.
class SoundSystem : public PlaybackEndListener {
  public:
    struct Services {
        platform::Player& player1;
        platform::Player& player2;
        platform::WaveVolume& wave_volume;
        platform::Clock& clock;
        platform::MessagePump& pump;
    };
    SoundSystem(const Services& services, const ui::Slider& Slider2);

    // Stops "Mp3Play1" (any other name stops Mp3Play2), waits up to a second for its end
    // report while letting messages run, then remembers the system volume.
    void tingzhi_shengyin(const std::string& name);
    // Remembers the system volume unless a player is playing.
    void huoqu_shengyin();
    // "播放" applies the slider's volume, "系统" puts the remembered volume back.
    void shezhi_shengyin(const std::string& mode);

    // The wave volume word from two channel values (their low 16 bits each).
    void setlr(std::int32_t l, std::int32_t r);
    // The two halves of the wave volume word; false when the system did not answer.
    bool getlr(std::int32_t& l, std::int32_t& r);

    // Stops Mp3Play1, opens `path`, applies the playback volume and plays: the order every
    // reminder sound follows. A clip that does not open stays silent and leaves the system
    // volume as it is.
    void play_clip(const std::string& path) { play_on(Mp3Play1, path); }
    // A reminder's single file on `player` (a built-in sound, a celebrity clip): no
    // announcement goes on from it, so the player's step is cleared before the stop.
    void play_reminder_file(PlayerInstance& player, const std::string& path);
    // The user's own file `path` on `player`, marked "自定义" while it plays. A file whose
    // folder is gone may have been copied beside the program: the same name in `program_dir`
    // is tried next. Nothing plays when neither opens.
    void play_own_file(PlayerInstance& player, const std::string& path,
                       const std::string& program_dir);
    // Whether a user's own file plays on either player.
    bool custom_file_playing() const {
        return Mp3Play1.Tag == kCustomTag || Mp3Play2.Tag == kCustomTag;
    }

    PlayerInstance Mp3Play1;
    PlayerInstance Mp3Play2;
    // The remembered system volume, -1 while nothing was captured.
    std::int32_t savedLeft = -1;
    std::int32_t savedRight = -1;

    // The end of playback on Mp3Play2: the system volume comes back, "自定义" is cleared.
    void playback_ended() override;

  private:
    void stop(PlayerInstance& player);
    void play_on(PlayerInstance& player, const std::string& path);

    platform::WaveVolume& wave_volume_;
    platform::Clock& clock_;
    platform::MessagePump& pump_;
    const ui::Slider& Slider2_;
};

}  // namespace tockly::sound
