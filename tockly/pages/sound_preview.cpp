#include "tockly/pages/sound_preview.h"

#include "tockly/sound/sound_choice.h"

namespace tockly::pages {

std::optional<std::string> SoundPreview::choose_sound_file() {
    return dialog_.choose_file_to_open(
        {{"声音文件", " *.wav;*.mp3;*.mid"}, {"所有文件(*.*)", "*.*"}});
}

void SoundPreview::preview(int position, const std::string& own_file) {
    sound::play_sound_choice(sound_, announcer_, sound_.Mp3Play2,
                             {position, own_file, sound::announce::kCurrentTime});
}

void SoundPreview::play_file(const std::string& path) {
    sound_.play_reminder_file(sound_.Mp3Play2, path);
}

}  // namespace tockly::pages
