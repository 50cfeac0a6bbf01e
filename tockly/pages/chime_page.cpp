#include "tockly/pages/chime_page.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

#include "tockly/model/number_text.h"
#include "tockly/model/time_text.h"
#include "tockly/sound/voice_files.h"

namespace tockly::pages {

namespace {

constexpr const char* kDefaultInterval = "30";
constexpr const char* kOnTheHour = "60";
constexpr int kHours = 24;

}  // namespace

std::string whole_minutes(const std::string& interval) {
    const double minutes = std::trunc(model::numeric_value(interval));
    if (!(minutes >= 1)) return kDefaultInterval;
    // Fixed notation: a huge interval stays a plain number, never "1e+20".
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, minutes, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

ChimePage::ChimePage(const Services& services) : s_(services), chime_(services.settings.chime) {
    zhengdian_Click();
}

void ChimePage::zhengdian_Click() {
    const bool on = chime_.zhengdian.checked();
    for (ui::ControlBase* control : std::initializer_list<ui::ControlBase*>{
             &Label2, &chime_.zhengdian_jiange, &Label3, &Label4[0], &chime_.zhengdian_wenzi,
             &chime_.zhengdian_xuan_shengyin, &chime_.zhengdian_shengyin, &zhengdian_shiting,
             &zhengdian_lab, &chime_.zhengdian_wenjian, &zhengdian_liulan}) {
        control->enabled = on;
    }
}

void ChimePage::zhengdian_jiange_Change() {
    chime_.zhengdian_jiange.set_text(whole_minutes(chime_.zhengdian_jiange.text()));
}

void ChimePage::zhengdian_wenzi_Click() {
    if (!chime_.zhengdian_wenzi.checked() && !chime_.zhengdian_mingxing.checked())
        chime_.zhengdian_xuan_shengyin.set_value(1);
}

void ChimePage::zhengdian_xuan_shengyin_Click() {
    if (!chime_.zhengdian_xuan_shengyin.checked() && !chime_.zhengdian_mingxing.checked()) {
        chime_.zhengdian_wenzi.set_value(1);
    } else if (chime_.zhengdian_xuan_shengyin.checked()) {
        chime_.zhengdian_mingxing.set_value(0);
    }
}

void ChimePage::zhengdian_mingxing_Click() {
    if (!chime_.zhengdian_xuan_shengyin.checked() && !chime_.zhengdian_mingxing.checked()) {
        chime_.zhengdian_wenzi.set_value(1);
    } else if (chime_.zhengdian_mingxing.checked()) {
        chime_.zhengdian_xuan_shengyin.set_value(0);
        chime_.zhengdian_jiange.set_text(kOnTheHour);
    }
}

void ChimePage::zhengdian_liulan_Click() {
    if (const auto path = s_.preview.choose_sound_file()) chime_.zhengdian_wenjian.set_text(*path);
}

void ChimePage::zhengdian_shiting_Click() {
    if (chime_.zhengdian_xuan_shengyin.checked()) {
        s_.preview.preview(chime_.zhengdian_shengyin.list_index(), chime_.zhengdian_wenjian.text());
        return;
    }
    // The pack's clip of this hour, or of the next hour that has one.
    const double now = model::split_time(model::biaozhungeshi(s_.clock.time_text())).hour;
    const int hour = now >= 0 && now < kHours ? static_cast<int>(now) : 0;
    for (int step = 0; step < kHours; ++step) {
        const std::string clip = pack_clip((hour + step) % kHours);
        if (clip == sound::kNoSuchFile) continue;
        s_.preview.play_file(clip);
        return;
    }
}

void ChimePage::Command5_Click() {
    const std::string pack = chime_.zhengdian_shengyin_mingxing.text();
    std::string missing;
    for (int hour = 0; hour < kHours; ++hour) {
        if (pack_clip(hour) == sound::kNoSuchFile) missing += " " + std::to_string(hour);
    }
    const std::string text = missing.empty()
                                 ? "“" + pack + "”24个报时文件 完整!"
                                 : "“" + pack + "”报时文件 不完整，缺少的报时文件为：" + missing;
    platform::tell(s_.message_box, text, s_.host.title());
}

std::string ChimePage::pack_clip(int hour) {
    const auto folder =
        sound::voice_pack_folder(s_.program_dir, chime_.zhengdian_shengyin_mingxing.text());
    return folder ? sound::panduan_mingxing(s_.files, *folder, hour) : sound::kNoSuchFile;
}

}  // namespace tockly::pages
