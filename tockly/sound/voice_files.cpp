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

std::string warning_clip(int minutes_left) {
    return "sy\\g" + std::to_string(minutes_left);
}

std::optional<std::string> voice_pack_folder(const std::string& program_dir,
                                             const std::string& name) {
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos ||
        name.find("..") != std::string::npos)
        return std::nullopt;
    return program_dir + kVoicePackFolder + "\\" + name + "\\";
}

std::vector<VoiceClip> voice_set() {
    std::vector<VoiceClip> clips;
    for (int hour = 0; hour < 24; ++hour)
        clips.push_back({hour_clip(hour, true), "现在时间" + std::to_string(hour) + "点整"});
    for (int hour = 0; hour < 24; ++hour)
        clips.push_back({hour_clip(hour, false), "现在时间" + std::to_string(hour) + "点"});
    for (int minute = 1; minute < 60; ++minute) {
        const std::string two = (minute < 10 ? "0" : "") + std::to_string(minute);
        clips.push_back({minute_clip(minute), two + "分"});
    }
    clips.push_back({kAlarmNoticeClip, "您的定时到了"});
    for (int minutes = 3; minutes >= 1; --minutes)
        clips.push_back({warning_clip(minutes), std::to_string(minutes) + "分钟后将关闭计算机"});
    clips.push_back({warning_clip(0), "关闭计算机 倒计时 10 9 8 7 6 5 4 3 2 1 关机"});
    clips.push_back({kShutdownCancelledClip, "定时关机被取消   Tockly竭诚为您服务"});
    return clips;
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
