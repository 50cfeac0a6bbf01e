#include "tockly/sound/voice_files.h"

namespace tockly::sound {

std::string programDir(platform::FileSystem& files) {
    std::string folder = files.program_folder();
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

std::string hour_clip(int hour, bool on_the_hour) {
    return "sy\\s" + std::to_string(hour) + (on_the_hour ? "z" : "");
}

std::string minute_clip(int minute) {
    return "sy\\f" + std::to_string(minute);
}

std::string builtin_sound(int index) {
    return "sy\\n" + std::to_string(index);
}

std::string panduan_mingxing(platform::FileSystem& files, const std::string& lin_qvxlujing,
                             int nn) {
    const std::string t = std::to_string(nn);
    for (const std::string& name : {t + ".mp3", "0" + t + ".mp3"}) {
        if (files.file_exists(lin_qvxlujing + name)) return lin_qvxlujing + name;
    }
    if (nn == 0 && files.file_exists(lin_qvxlujing + "24.mp3")) return lin_qvxlujing + "24.mp3";
    return kNoSuchFile;
}

void fillVoicePackList(platform::FileSystem& files, const std::string& program_dir,
                       ui::ListBox& packs) {
    packs.clear();
    for (const std::string& name : files.subfolders(program_dir + kVoicePackFolder)) {
        if (name != "." && name != "..") packs.add_item(name);
    }
}

}  // namespace tockly::sound
