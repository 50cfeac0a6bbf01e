#pragma once

// Everything the user can configure, held in the controls that edit it: the chime, the 50 alarm
// slots and the options. The start values are the ones in force before the settings file is
// applied; every list is filled with its fixed entries on construction (fill_fixed_lists
// rebuilds them). The clock tick reads these controls on every tick, nothing is cached.

#include <array>
#include <string>

#include "tockly/model/prompt_window_limits.h"
#include "tockly/ui/controls.h"

namespace tockly::model {

inline constexpr int kSlotCount = 50;

// Positions of the sound lists.
inline constexpr int kSoundSpoken = 0;
inline constexpr int kSoundCustomFile = 6;

struct ChimeSettings {
    ui::CheckBox zhengdian{0, "启用整点报时"};
    // Interval in minutes; the chime page keeps it a whole number of at least 1.
    ui::TextBox zhengdian_jiange{"30"};
    ui::CheckBox zhengdian_wenzi{0, " 文字提示"};
    ui::CheckBox zhengdian_xuan_shengyin{0};
    ui::ListBox zhengdian_shengyin;
    ui::TextBox zhengdian_wenjian;
    ui::CheckBox zhengdian_mingxing{0, " 明星报时"};
    // Names of the celebrity voice packs found at start-up.
    ui::ListBox zhengdian_shengyin_mingxing;
    // Quiet hours (tockly/model/quiet_hours.h): on or off, from and to as "HH:MM".
    ui::CheckBox yejian_miandarao{0, "夜间免打扰"};
    ui::TextBox miandarao_kaishi{"23:00"};
    ui::TextBox miandarao_jieshu{"07:00"};
};

struct AlarmSlot {
    ui::CheckBox dingshi{0};
    // Positions 0-23 are the hours, position 24 is "全部" (every hour).
    ui::ListBox dingshi_shi;
    ui::ListBox dingshi_fen;
    // The day rule: "每天", "星期" followed by chosen days, a short date, or an official or lunar
    // calendar rule (tockly/model/lunar_rule.h).
    ui::Label dingshi_riqi{"每天"};
    ui::CheckBox dingshi_guanji{0, " 启用定时关机"};
    ui::CheckBox dingshi_wenzi{1, " 文字提示"};
    ui::TextBox dingshi_text{"万事如意,心想事成!"};
    ui::CheckBox dingshi_xuan_shengyin{1};
    ui::ListBox dingshi_shengyin;
    ui::TextBox dingshi_wenjian;
};

// Elements of Check3.
namespace option {
inline constexpr int kAutoStart = 0;
inline constexpr int kStartMinimised = 1;
inline constexpr int kHotkeyActive = 2;
inline constexpr int kShowPromptAtStart = 3;
inline constexpr int kTransparency = 4;  // always 1
inline constexpr int kPromptOnTop = 5;
inline constexpr int kChimeVolume = 6;  // always 1
inline constexpr int kShowNews = 7;
}  // namespace option

struct AppOptions {
    AppOptions();
    AppOptions(const AppOptions&) = delete;
    AppOptions& operator=(const AppOptions&) = delete;

    std::array<ui::CheckBox, 8> Check3;
    // Announcement hotkey, a position of kHotkeyKeys.
    ui::ListBox rejian;
    // Prompt-window opacity, 255 fully opaque.
    ui::Slider Slider1{kMinOpacity, kOpaque, kOpaque};
    // Reminder volume in percent.
    ui::Slider Slider2{1, 100, 100};

    // "定时到时唤醒计算机": a sleeping computer wakes for the next due alarm.
    ui::CheckBox wake_computer{0, "定时到时唤醒计算机"};
    // "稍后提醒间隔": the minutes of kSnoozeMinutes, by position, named by its caption.
    ui::ListBox snooze_minutes;
    ui::Label snooze_caption{"稍后提醒间隔"};
    // "重复响铃直到确认": an alarm's sound repeats until 稍后提醒 or 知道了.
    ui::CheckBox ring_until_heard{0, "重复响铃直到确认"};
    // The chosen snooze, kSnoozeMinutes' first when nothing is chosen.
    int snooze_length_minutes() const;
};

inline constexpr std::array<int, 4> kSnoozeMinutes = {5, 10, 15, 30};

// Virtual-key codes of the hotkey list's entries, by position.
inline constexpr std::array<int, 22> kHotkeyKeys = {112, 113, 114, 115, 116, 117, 118, 119,
                                                    120, 121, 122, 123, 44,  19,  33,  34,
                                                    36,  35,  39,  37,  38,  40};

struct ReminderSettings {
    ReminderSettings();
    ReminderSettings(const ReminderSettings&) = delete;
    ReminderSettings& operator=(const ReminderSettings&) = delete;

    // Empties and refills the hour, minute and sound lists of every slot and the chime's sound
    // list with their fixed entries (choices become -1).
    void fill_fixed_lists();

    ChimeSettings chime;
    std::array<AlarmSlot, kSlotCount> slots;
    AppOptions options;
};

}  // namespace tockly::model
