#pragma once

// What the alarm editor and the chime page share: choosing a sound file and previewing a sound
// of their sound lists. Previews play on Mp3Play2, so they never cut off an alarm or an
// announcement on Mp3Play1; only the spoken time is an announcement like any other.

#include <optional>
#include <string>

#include "tockly/platform/file_dialog.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"

namespace tockly::pages {

class SoundPreview {
  public:
    SoundPreview(sound::SoundSystem& sound, sound::Announcer& announcer,
                 platform::FileDialog& dialog)
        : sound_(sound), announcer_(announcer), dialog_(dialog) {}

    // The "浏览" button: the chosen file's full path, nothing when the user cancelled.
    std::optional<std::string> choose_sound_file();
    // Position `position` of a sound list: 0 speaks the time, 1-5 play a built-in sound and 6
    // the user's file `own_file` (or the file of that name in the program folder).
    void preview(int position, const std::string& own_file);
    // One file on the preview player, at the playback volume.
    void play_file(const std::string& path);

  private:
    sound::SoundSystem& sound_;
    sound::Announcer& announcer_;
    platform::FileDialog& dialog_;
};

}  // namespace tockly::pages
