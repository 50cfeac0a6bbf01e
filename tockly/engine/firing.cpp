#include "tockly/engine/firing.h"

#include "tockly/model/text_functions.h"
#include "tockly/model/time_text.h"
#include "tockly/sound/voice_files.h"

namespace tockly::engine {

namespace {

bool is_builtin_sound(int index) {
    return index >= 1 && index <= 5;
}

}  // namespace

void Firing::play_custom_file(const std::string& path) {
    sound::PlayerInstance& player = s_.sound.Mp3Play1;
    s_.sound.tingzhi_shengyin("Mp3Play1");
    const std::string trimmed(model::trim_spaces(path));
    int result = player.component.playerOpen(trimmed);
    if (result != 0) {
        const size_t slash = trimmed.rfind('\\');
        const std::string name = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
        result = player.component.playerOpen(program_dir() + name);
    }
    player.Tag.clear();
    if (result != 0) return;
    player.Tag = sound::kCustomTag;
    s_.sound.shezhi_shengyin(sound::kVolumePlayback);
    player.component.playerPlay();
}

void Firing::fire_alarm(int index) {
    const model::AlarmSlot& slot = s_.settings.slots[static_cast<size_t>(index)];
    const bool armed = s_.shared.shifouguanji() == model::kShutdownPending;
    if (armed || slot.dingshi_wenzi.checked()) {
        if (armed) {
            s_.prompt.set_Tag(windows::mode::kCountdown);
            s_.prompt.touming(windows::kOpaque);
        } else {
            s_.prompt.set_Tag(windows::mode::kAlarmPrefix + std::to_string(index + 1));
        }
        s_.prompt.show();
    }
    if (!armed && !slot.dingshi_xuan_shengyin.checked()) return;

    const int sound_index = slot.dingshi_shengyin.list_index();
    if (armed || sound_index == model::kSoundSpoken) {
        s_.announcer.bofang_shijian(sound::announce::kAlarm);
    } else if (sound_index == model::kSoundCustomFile) {
        play_custom_file(slot.dingshi_wenjian.text());
    } else if (is_builtin_sound(sound_index)) {
        s_.sound.play_clip(program_dir() + sound::builtin_sound(sound_index));
        s_.sound.Mp3Play1.Tag.clear();
    }
}

void Firing::fire_chime() {
    const model::ChimeSettings& chime = s_.settings.chime;
    if (chime.zhengdian_wenzi.checked()) {
        s_.prompt.set_Tag(windows::mode::kChime);
        s_.prompt.show();
    }
    if (chime.zhengdian_xuan_shengyin.checked()) {
        const int sound_index = chime.zhengdian_shengyin.list_index();
        if (sound_index == model::kSoundSpoken) {
            s_.announcer.bofang_shijian(sound::announce::kChime);
        } else if (sound_index == model::kSoundCustomFile) {
            play_custom_file(chime.zhengdian_wenjian.text());
        } else if (is_builtin_sound(sound_index)) {
            s_.sound.Mp3Play1.Tag.clear();
            s_.sound.play_clip(program_dir() + sound::builtin_sound(sound_index));
        }
    }
    if (chime.zhengdian_mingxing.checked()) {
        const double hour = model::split_time(model::biaozhungeshi(s_.clock.time_text())).hour;
        const int h = hour >= 0 && hour < 24 ? static_cast<int>(hour) : 0;
        const auto pack =
            sound::voice_pack_folder(program_dir(), chime.zhengdian_shengyin_mingxing.text());
        const std::string file =
            pack ? sound::panduan_mingxing(s_.files, *pack, h) : sound::kNoSuchFile;
        if (file != sound::kNoSuchFile) {
            s_.sound.Mp3Play1.Tag.clear();
            s_.sound.play_clip(file);
        }
    }
}

}  // namespace tockly::engine
