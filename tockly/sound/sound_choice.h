#pragma once

// What a position of a sound list plays, for the alarms, the chime and their previews alike.

#include <string>

#include "tockly/sound/announcer.h"
#include "tockly/sound/player_instance.h"
#include "tockly/sound/sound_system.h"

namespace tockly::sound {

// Positions 1-5 of a sound list are the built-in sounds "sy\n1" ... "sy\n5".
bool is_builtin_sound(int position);

// A sound list's choice: the position, the user's own file for position 6, and the
// announcement that position 0 speaks.
struct SoundChoice {
    int position;
    std::string own_file;
    const char* announcement;
};

// Plays `choice`: position 0 speaks through the announcer (always on Mp3Play1), the built-in
// sounds and the user's own file play on `player`. Any other position plays nothing.
void play_sound_choice(SoundSystem& sound, Announcer& announcer, PlayerInstance& player,
                       const SoundChoice& choice);

}  // namespace tockly::sound
