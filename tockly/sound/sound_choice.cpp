#include "tockly/sound/sound_choice.h"

#include "tockly/model/reminder_settings.h"
#include "tockly/sound/voice_files.h"

namespace tockly::sound {

bool is_builtin_sound(int position) {
    return position >= 1 && position <= 5;
}

void play_sound_choice(SoundSystem& sound, Announcer& announcer, PlayerInstance& player,
                       const SoundChoice& choice) {
    if (choice.position == model::kSoundSpoken) {
        announcer.bofang_shijian(choice.announcement);
    } else if (choice.position == model::kSoundCustomFile) {
        sound.play_own_file(player, choice.own_file, announcer.program_dir());
    } else if (is_builtin_sound(choice.position)) {
        sound.play_reminder_file(player, announcer.program_dir() + builtin_sound(choice.position));
    }
}

}  // namespace tockly::sound
