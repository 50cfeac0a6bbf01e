#include "tockly/pages/alarm_editor.h"

#include <algorithm>
#include <string>

namespace tockly::pages {

AlarmEditor::AlarmEditor(model::ReminderSettings& settings, SoundPreview& preview)
    : settings_(settings), preview_(preview) {
    for (int k = 0; k < model::kSlotCount; ++k) {
        pages[static_cast<size_t>(k)].Frame2.caption = "定时 " + std::to_string(k + 1);
        // The editing controls start as the slot's switch says.
        dingshi_Click(k);
    }
    show_page(0);
}

void AlarmEditor::dingshi_Click(int k) {
    model::AlarmSlot& s = slot(k);
    SlotPage& page = pages[static_cast<size_t>(k)];
    const bool on = s.dingshi.checked();
    for (ui::ControlBase* control : std::initializer_list<ui::ControlBase*>{
             &s.dingshi_shi, &s.dingshi_fen, &page.Label1, &s.dingshi_guanji, &s.dingshi_wenzi,
             &s.dingshi_xuan_shengyin, &s.dingshi_shengyin, &page.dingshi_shiting,
             &page.dingshi_lab, &s.dingshi_wenjian, &page.dingshi_liulan, &s.dingshi_riqi,
             &s.dingshi_text}) {
        control->enabled = on;
    }
}

void AlarmEditor::dingshi_guanji_Click(int k) {
    model::AlarmSlot& s = slot(k);
    if (!s.dingshi_guanji.checked()) return;
    s.dingshi_wenzi.set_value(1);
    s.dingshi_xuan_shengyin.set_value(1);
}

void AlarmEditor::dingshi_wenzi_Click(int k) {
    model::AlarmSlot& s = slot(k);
    if (s.dingshi_guanji.checked()) {
        s.dingshi_wenzi.set_value(1);
    } else if (!s.dingshi_wenzi.checked()) {
        s.dingshi_xuan_shengyin.set_value(1);
    }
}

void AlarmEditor::dingshi_xuan_shengyin_Click(int k) {
    model::AlarmSlot& s = slot(k);
    if (!s.dingshi_xuan_shengyin.checked()) s.dingshi_wenzi.set_value(1);
}

void AlarmEditor::dingshi_shi_Change(int k) {
    // Only the minute box's highlight goes; the chosen minute stays.
    ui::ListBox& minute = slot(k).dingshi_fen;
    minute.selection_length = 0;
    minute.selection_start = 0;
}

void AlarmEditor::dingshi_liulan_Click(int k) {
    if (const auto path = preview_.choose_sound_file()) slot(k).dingshi_wenjian.set_text(*path);
}

void AlarmEditor::dingshi_shiting_Click(int k) {
    model::AlarmSlot& s = slot(k);
    preview_.preview(s.dingshi_shengyin.list_index(), s.dingshi_wenjian.text());
}

void AlarmEditor::shangxia_Click(int e) {
    show_page(std::clamp(page_index_ + (e == 1 ? 1 : -1), 0, model::kSlotCount - 1));
}

void AlarmEditor::show_page(int index) {
    page_index_ = index;
    for (int k = 0; k < model::kSlotCount; ++k)
        pages[static_cast<size_t>(k)].Frame2.visible = k == index;
}

}  // namespace tockly::pages
