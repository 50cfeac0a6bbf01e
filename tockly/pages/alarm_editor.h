#pragma once

// The alarm editor (tab "闹钟定时"): one page per slot, "上一个"/"下一个" between them, and the
// reactions that keep a slot consistent: a shutdown alarm always shows its text, and an alarm
// always has a text or a sound. The slot's values are the settings' own controls; this page adds
// the captions and buttons around them and reacts to their changes.

#include <array>

#include "tockly/model/reminder_settings.h"
#include "tockly/pages/sound_preview.h"
#include "tockly/ui/controls.h"

namespace tockly::pages {

// The controls of one slot page besides the slot's values.
struct SlotPage {
    ui::Label Frame2;  // the page itself, "定时 1" ... "定时 50"
    ui::Label Label1{"时        分"};
    ui::Label dingshi_lab{"自定义声音文件路径"};
    ui::Button dingshi_liulan{"浏览"};
    ui::Button dingshi_shiting{"试听"};
};

class AlarmEditor {
  public:
    AlarmEditor(model::ReminderSettings& settings, SoundPreview& preview);
    AlarmEditor(const AlarmEditor&) = delete;
    AlarmEditor& operator=(const AlarmEditor&) = delete;

    // Reactions to the slot's own controls, element k = slot number - 1.
    void dingshi_Click(int k);
    void dingshi_guanji_Click(int k);
    void dingshi_wenzi_Click(int k);
    void dingshi_xuan_shengyin_Click(int k);
    void dingshi_shi_Change(int k);

    void dingshi_liulan_Click(int k);
    void dingshi_shiting_Click(int k);
    // 0 "上一个", 1 "下一个"; no wrap-around at either end.
    void shangxia_Click(int e);

    std::array<SlotPage, model::kSlotCount> pages;
    std::array<ui::Button, 2> shangxia{ui::Button("上一个"), ui::Button("下一个")};
    // The slot page shown, 0-49.
    int page_index() const { return page_index_; }
    // Shows slot k's page (from the overview of all alarms).
    void show_slot(int k) { show_page(k); }

  private:
    model::AlarmSlot& slot(int k) { return settings_.slots[static_cast<size_t>(k)]; }
    void show_page(int index);

    model::ReminderSettings& settings_;
    SoundPreview& preview_;
    int page_index_ = 0;
};

}  // namespace tockly::pages
