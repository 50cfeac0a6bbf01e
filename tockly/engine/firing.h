#pragma once

// What an alarm or the chime does once the tick let it fire: the prompt window's mode and the
// sound on Mp3Play1.

#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_system.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"
#include "tockly/windows/prompt_display.h"

namespace tockly::engine {

class Firing {
  public:
    struct Services {
        platform::Clock& clock;
        platform::FileSystem& files;
        model::ReminderSettings& settings;
        model::SharedState& shared;
        sound::SoundSystem& sound;
        sound::Announcer& announcer;
        windows::PromptDisplay& prompt;
    };
    explicit Firing(const Services& services) : s_(services) {}

    void fire_alarm(int index);
    void fire_chime();
    // The slot's own sound once more, for an alarm that rings until it is heard.
    void ring_again(int index);

  private:
    std::string program_dir() const { return s_.announcer.program_dir(); }
    void play_alarm_sound(int index, int position);

    Services s_;
};

}  // namespace tockly::engine
