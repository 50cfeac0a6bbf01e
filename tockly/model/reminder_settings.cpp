#include "tockly/model/reminder_settings.h"

namespace tockly::model {

namespace {

const std::array<const char*, 7> kAlarmSounds = {"语音报时", "布谷鸟", "嘀嘀声", "挂钟声",
                                                 "门 铃",    "小 号",  "自定义 "};
const std::array<const char*, 7> kChimeSounds = {"语音报时", "布谷鸟", "嘀嘀声", "挂钟声",
                                                 "门  铃",   "小  号", "自定义"};
const std::array<const char*, 22> kHotkeyNames = {
    "F1",  "F2",    "F3",    "F4",   "F5",   "F6",   "F7",  "F8", "F9", "F10", "F11",
    "F12", "PrtSc", "Break", "PgUp", "PgDn", "Home", "End", "→",  "←",  "↑",   "↓"};
const std::array<const char*, 8> kOptionCaptions = {
    "系统启动时打开闹钟程序", "程序启动时最小化窗口", "播放提醒热键", "程序启动时显示提示窗口",
    "提示窗口透明度调整",     "提示窗口保持在最上层", "报时音量",     "显示新闻资讯"};
constexpr std::array<int, 8> kOptionStartValues = {0, 0, 0, 0, 1, 0, 1, 1};

template <size_t N>
void refill(ui::ListBox& list, const std::array<const char*, N>& items) {
    list.clear();
    for (const char* item : items) list.add_item(item);
}

// "  7", " 23": right-aligned in three characters, as the hour and minute lists show numbers.
std::string three_wide(int number) {
    std::string text = std::to_string(number);
    return std::string(text.size() < 3 ? 3 - text.size() : 0, ' ') + text;
}

}  // namespace

AppOptions::AppOptions() {
    for (size_t i = 0; i < Check3.size(); ++i) {
        Check3[i] = ui::CheckBox(kOptionStartValues[i], kOptionCaptions[i]);
    }
    refill(rejian, kHotkeyNames);
    // The list starts as its option says; the option's reaction keeps the two together after.
    rejian.enabled = Check3[option::kHotkeyActive].checked();
    for (int minutes : kSnoozeMinutes) snooze_minutes.add_item(std::to_string(minutes) + "分钟");
    snooze_minutes.set_list_index(0);
}

int AppOptions::snooze_length_minutes() const {
    const int position = snooze_minutes.list_index();
    if (position < 0 || position >= static_cast<int>(kSnoozeMinutes.size()))
        return kSnoozeMinutes[0];
    return kSnoozeMinutes[static_cast<size_t>(position)];
}

ReminderSettings::ReminderSettings() {
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i].dingshi.caption = "启用定时 " + std::to_string(i + 1);
    fill_fixed_lists();
}

void ReminderSettings::fill_fixed_lists() {
    refill(chime.zhengdian_shengyin, kChimeSounds);
    for (AlarmSlot& slot : slots) {
        slot.dingshi_shi.clear();
        for (int hour = 0; hour < 24; ++hour) slot.dingshi_shi.add_item(three_wide(hour));
        slot.dingshi_shi.add_item("全部");
        slot.dingshi_fen.clear();
        for (int minute = 0; minute < 60; ++minute) slot.dingshi_fen.add_item(three_wide(minute));
        refill(slot.dingshi_shengyin, kAlarmSounds);
    }
}

}  // namespace tockly::model
