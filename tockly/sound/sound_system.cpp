#include "tockly/sound/sound_system.h"

#include <cmath>

#include "tockly/model/text_functions.h"

namespace tockly::sound {

SoundSystem::SoundSystem(const Services& services, const ui::Slider& Slider2)
    : Mp3Play1(services.player1),
      Mp3Play2(services.player2),
      wave_volume_(services.wave_volume),
      clock_(services.clock),
      pump_(services.pump),
      Slider2_(Slider2) {}

void SoundSystem::setlr(std::int32_t l, std::int32_t r) {
    const std::uint32_t word =
        (static_cast<std::uint32_t>(l) & 0xFFFFu) << 16 | (static_cast<std::uint32_t>(r) & 0xFFFFu);
    wave_volume_.set_volume(word);
}

bool SoundSystem::getlr(std::int32_t& l, std::int32_t& r) {
    const auto word = wave_volume_.get_volume();
    if (!word) return false;
    l = static_cast<std::int32_t>(*word >> 16);
    r = static_cast<std::int32_t>(*word & 0xFFFFu);
    return true;
}

void SoundSystem::huoqu_shengyin() {
    if (Mp3Play1.state == kPlaying || Mp3Play2.state == kPlaying) return;
    // A volume the system would not tell keeps the one captured before: capturing nothing as
    // zero would silence the machine at the next restore.
    std::int32_t l = 0;
    std::int32_t r = 0;
    if (getlr(l, r)) {
        savedLeft = l;
        savedRight = r;
    }
}

void SoundSystem::shezhi_shengyin(const std::string& mode) {
    if (mode == kVolumePlayback) {
        const double share = static_cast<double>(Slider2_.value()) / Slider2_.max();
        const auto v = static_cast<std::int32_t>(std::floor(share * 65535.0));
        setlr(v, v);
    } else if (mode == kVolumeSystem) {
        if (savedLeft == -1 || savedRight == -1) {
            savedLeft = kFallbackChannelVolume;
            savedRight = kFallbackChannelVolume;
        }
        setlr(savedLeft, savedRight);
    }
}

void SoundSystem::tingzhi_shengyin(const std::string& name) {
    stop(model::lower_ascii(name) == "mp3play1" ? Mp3Play1 : Mp3Play2);
}

void SoundSystem::stop(PlayerInstance& player) {
    player.component.playerStop();
    const double start = clock_.seconds_since_midnight();
    while (!player.state.empty() && std::fabs(clock_.seconds_since_midnight() - start) <= 1.0) {
        pump_.process_pending_messages();
    }
    huoqu_shengyin();
}

void SoundSystem::play_on(PlayerInstance& player, const std::string& path) {
    stop(player);
    // A clip that does not open plays nothing and never reports an end, so the playback volume
    // would stay on the system and the next stop would remember it as the user's own volume.
    if (player.component.playerOpen(path) != 0) return;
    shezhi_shengyin(kVolumePlayback);
    player.component.playerPlay();
}

void SoundSystem::play_reminder_file(PlayerInstance& player, const std::string& path) {
    player.Tag.clear();
    play_on(player, path);
}

void SoundSystem::play_own_file(PlayerInstance& player, const std::string& path,
                                const std::string& program_dir) {
    stop(player);
    const std::string trimmed(model::trim_spaces(path));
    int result = player.component.playerOpen(trimmed);
    if (result != 0) {
        const size_t slash = trimmed.rfind('\\');
        const std::string name = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
        result = player.component.playerOpen(program_dir + name);
    }
    player.Tag.clear();
    if (result != 0) return;
    player.Tag = kCustomTag;
    shezhi_shengyin(kVolumePlayback);
    player.component.playerPlay();
}

void SoundSystem::playback_ended() {
    shezhi_shengyin(kVolumeSystem);
    if (Mp3Play2.Tag == kCustomTag) Mp3Play2.Tag.clear();
}

}  // namespace tockly::sound
