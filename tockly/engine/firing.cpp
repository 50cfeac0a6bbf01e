#include "tockly/engine/firing.h"

#include "tockly/model/time_text.h"
#include "tockly/sound/sound_choice.h"
#include "tockly/sound/voice_files.h"

namespace tockly::engine {

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

    // A pending shutdown always speaks, whatever the slot's own sound.
    play_alarm_sound(index, armed ? model::kSoundSpoken : slot.dingshi_shengyin.list_index());
}

void Firing::ring_again(int index) {
    play_alarm_sound(index,
                     s_.settings.slots[static_cast<size_t>(index)].dingshi_shengyin.list_index());
}

void Firing::play_alarm_sound(int index, int position) {
    const model::AlarmSlot& slot = s_.settings.slots[static_cast<size_t>(index)];
    sound::play_sound_choice(s_.sound, s_.announcer, s_.sound.Mp3Play1,
                             {position, slot.dingshi_wenjian.text(), sound::announce::kAlarm});
}

void Firing::fire_chime() {
    const model::ChimeSettings& chime = s_.settings.chime;
    if (chime.zhengdian_wenzi.checked()) {
        s_.prompt.set_Tag(windows::mode::kChime);
        s_.prompt.show();
    }
    if (chime.zhengdian_xuan_shengyin.checked()) {
        sound::play_sound_choice(s_.sound, s_.announcer, s_.sound.Mp3Play1,
                                 {chime.zhengdian_shengyin.list_index(),
                                  chime.zhengdian_wenjian.text(), sound::announce::kChime});
    }
    if (chime.zhengdian_mingxing.checked()) {
        const double hour = model::split_time(model::biaozhungeshi(s_.clock.time_text())).hour;
        const int h = hour >= 0 && hour < 24 ? static_cast<int>(hour) : 0;
        const auto pack =
            sound::voice_pack_folder(program_dir(), chime.zhengdian_shengyin_mingxing.text());
        const std::string file =
            pack ? sound::panduan_mingxing(s_.files, *pack, h) : sound::kNoSuchFile;
        if (file != sound::kNoSuchFile) s_.sound.play_reminder_file(s_.sound.Mp3Play1, file);
    }
}

}  // namespace tockly::engine
