#pragma once

// Where the voice clips, built-in sounds and celebrity voice packs live, relative to the
// program's folder.

#include <optional>
#include <string>
#include <vector>

#include "tockly/platform/file_system.h"
#include "tockly/ui/controls.h"

namespace tockly::sound {

inline constexpr const char* kNoSuchFile = "不存在";
inline constexpr const char* kVoicePackFolder = "明星报时";

// The program's folder with exactly one trailing "\".
std::string programDir(platform::FileSystem& files);

// Clip paths relative to programDir.
std::string hour_clip(int hour, bool on_the_hour);  // "sy\s7", "sy\s7z"
std::string minute_clip(int minute);                // "sy\f30"
std::string builtin_sound(int index);               // "sy\n3", index 1-5
// "sy\g3", "sy\g2", "sy\g1" minutes before a shutdown; "sy\g0" the last 13 seconds.
std::string warning_clip(int minutes_left);
inline constexpr const char* kAlarmNoticeClip = "sy\\ds";
inline constexpr const char* kShutdownCancelledClip = "sy\\qx";

// The folder of the voice pack `name`: programDir + "明星报时\" + name + "\". A typed name that
// could lead anywhere else (empty, or holding "\", "/", ":" or "..") names no pack.
std::optional<std::string> voice_pack_folder(const std::string& program_dir,
                                             const std::string& name);

// One recording of a voice set: its clip, relative to programDir, and the phrase it says.
struct VoiceClip {
    std::string clip;
    std::string phrase;
};
// Every spoken clip, in the order the voice collection page lists them: the hours on the hour,
// the hours, the minutes 1-59, the alarm notice, the shutdown warnings and the cancellation.
std::vector<VoiceClip> voice_set();

// The file of hour `nn` (0-23) in the pack folder `lin_qvxlujing` (ending in "\"): "7.mp3",
// else "07.mp3", else for hour 0 "24.mp3"; "不存在" when none exists.
std::string panduan_mingxing(platform::FileSystem& files, const std::string& lin_qvxlujing, int nn);

// Refills `packs` with the names of the voice pack folders, in the order they are listed.
void fillVoicePackList(platform::FileSystem& files, const std::string& program_dir,
                       ui::ListBox& packs);

}  // namespace tockly::sound
