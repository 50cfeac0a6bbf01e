// The page "闹钟定时": the chime frame "整点报时" above, and below it the frame of one alarm
// slot at a time with "上一个"/"下一个". The slot's controls are one set of windows bound to the
// slot the alarm editor shows.
#pragma once

#include "tockly/model/reminder_settings.h"
#include "tockly/pages/alarm_editor.h"
#include "tockly/pages/chime_page.h"
#include "tockly/pages/date_chooser.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

class AlarmPageView {
  public:
    AlarmPageView(Panel& page, model::ReminderSettings& settings, pages::AlarmEditor& editor,
                  pages::ChimePage& chime_page, pages::DateChooser& chooser);
    AlarmPageView(const AlarmPageView&) = delete;
    AlarmPageView& operator=(const AlarmPageView&) = delete;

    // Binds the slot frame to the slot the editor shows, when that changed.
    void sync();

  private:
    void build_chime_frame(Panel& page);
    void build_slot_frame(Panel& page);

    model::ReminderSettings& settings_;
    pages::AlarmEditor& editor_;
    pages::ChimePage& chime_page_;
    pages::DateChooser& chooser_;
    int shown_ = -1;
    // Texts of the view's own: the chime frame's caption and the labels that name the controls
    // after them for a screen reader.
    ui::Label chime_frame_{"整点报时"};
    ui::Label sound_label_{"声音:"};
    ui::Label pack_label_{"声音包:"};
    ui::Label quiet_to_label_{"至"};
    ui::Label time_label_{"时间:"};
    ui::Label rule_label_{"日期:"};

    GroupBinding* slot_frame_ = nullptr;
    CheckBinding* dingshi_ = nullptr;
    ListBinding* dingshi_shi_ = nullptr;
    LabelBinding* hour_label_ = nullptr;
    ListBinding* dingshi_fen_ = nullptr;
    LabelBinding* minute_label_ = nullptr;
    ButtonBinding* dingshi_riqi_ = nullptr;
    CheckBinding* dingshi_guanji_ = nullptr;
    CheckBinding* dingshi_wenzi_ = nullptr;
    TextBinding* dingshi_text_ = nullptr;
    CheckBinding* dingshi_xuan_shengyin_ = nullptr;
    ListBinding* dingshi_shengyin_ = nullptr;
    ButtonBinding* dingshi_shiting_ = nullptr;
    LabelBinding* dingshi_lab_ = nullptr;
    TextBinding* dingshi_wenjian_ = nullptr;
    ButtonBinding* dingshi_liulan_ = nullptr;
};

}  // namespace tockly::win32
