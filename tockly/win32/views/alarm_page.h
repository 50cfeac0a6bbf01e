// The page "闹钟定时": the chime frame "整点报时" above, and below it the frame of one alarm
// slot at a time with "上一个"/"下一个". The slot's controls are one set of windows bound to the
// slot being shown.
#pragma once

#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

class AlarmPageView {
  public:
    AlarmPageView(Panel& page, model::ReminderSettings& settings);
    AlarmPageView(const AlarmPageView&) = delete;
    AlarmPageView& operator=(const AlarmPageView&) = delete;

    // Binds the slot frame to slot k (0-49) when it shows another one.
    void show_slot(int k);
    int slot_shown() const { return shown_; }

  private:
    void build_chime_frame(Panel& page);
    void build_slot_frame(Panel& page);

    model::ReminderSettings& settings_;
    int shown_ = -1;
    // The texts of the page's own that no model holds.
    ui::Label chime_frame_{"整点报时"};
    ui::Label slot_frame_;
    ui::Label sound_label_{"声音:"};
    ui::Label pack_label_{"声音包:"};
    ui::Label time_label_{"时间:"};
    ui::Label rule_label_{"日期:"};
    ui::Label interval_label_{"间隔:"};
    ui::Label minutes_label_{"分钟"};
    ui::Label interval_hint_{"(1-60,60表示整点报时)"};
    ui::Label chime_file_label_{"自定义声音文件(上面下拉框选择自定义声音才有效)"};
    ui::Label hour_minute_{"时        分"};
    ui::Label slot_file_label_{"自定义声音文件路径"};

    GroupBinding* slot_group_ = nullptr;
    CheckBinding* dingshi_ = nullptr;
    ListBinding* dingshi_shi_ = nullptr;
    ListBinding* dingshi_fen_ = nullptr;
    ButtonBinding* dingshi_riqi_ = nullptr;
    CheckBinding* dingshi_guanji_ = nullptr;
    CheckBinding* dingshi_wenzi_ = nullptr;
    TextBinding* dingshi_text_ = nullptr;
    CheckBinding* dingshi_xuan_shengyin_ = nullptr;
    ListBinding* dingshi_shengyin_ = nullptr;
    TextBinding* dingshi_wenjian_ = nullptr;
};

}  // namespace tockly::win32
