#include "tockly/pages/sound_preview.h"

#include "tockly/model/reminder_settings.h"
#include "tockly/model/text_functions.h"
#include "tockly/sound/voice_files.h"

namespace tockly::pages {

namespace {

constexpr const char* kPreviewPlayer = "Mp3Play2";

}  // namespace

std::optional<std::string> SoundPreview::choose_sound_file() {
    return dialog_.choose_file_to_open(
        {{"声音文件", " *.wav;*.mp3;*.mid"}, {"所有文件(*.*)", "*.*"}});
}

void SoundPreview::preview(int position, const std::string& own_file) {
    if (position == model::kSoundSpoken) {
        announcer_.bofang_shijian(sound::announce::kCurrentTime);
    } else if (position == model::kSoundCustomFile) {
        play_own_file(own_file);
    } else if (position >= 1 && position <= 5) {
        play_file(announcer_.program_dir() + sound::builtin_sound(position));
    }
}

void SoundPreview::play_file(const std::string& path) {
    sound_.tingzhi_shengyin(kPreviewPlayer);
    start_if_open(sound_.Mp3Play2.component.playerOpen(path));
}

void SoundPreview::play_own_file(const std::string& path) {
    platform::Player& player = sound_.Mp3Play2.component;
    sound_.tingzhi_shengyin(kPreviewPlayer);
    const std::string trimmed(model::trim_spaces(path));
    int result = player.playerOpen(trimmed);
    if (result != 0) {
        // A file whose folder is gone may have been copied beside the program.
        const std::string name = trimmed.substr(trimmed.rfind('\\') + 1);
        sound_.tingzhi_shengyin(kPreviewPlayer);
        result = player.playerOpen(announcer_.program_dir() + name);
    }
    if (result == 0) sound_.Mp3Play2.Tag = sound::kCustomTag;
    start_if_open(result);
}

void SoundPreview::start_if_open(int open_result) {
    if (open_result != 0) return;
    sound_.shezhi_shengyin(sound::kVolumePlayback);
    sound_.Mp3Play2.component.playerPlay();
}

}  // namespace tockly::pages
