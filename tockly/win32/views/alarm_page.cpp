#include "tockly/win32/views/alarm_page.h"

namespace tockly::win32 {

namespace {

constexpr int kRowHeight = 24;
constexpr int kButtonHeight = 26;
constexpr int kButtonWidth = 76;

// Rows of the chime frame and of the slot frame, in page coordinates.
constexpr int kChimeTop = 4;
constexpr int kChimeRows[] = {26, 58, 90, 122, 146};
constexpr int kSlotTop = 190;
constexpr int kSlotRows[] = {214, 246, 278, 310, 342, 366};

LogicalRect at(int x, int y, int width, int height = kRowHeight) {
    return {x, y, width, height};
}

}  // namespace

AlarmPageView::AlarmPageView(Panel& page, model::ReminderSettings& settings) : settings_(settings) {
    build_chime_frame(page);
    build_slot_frame(page);
    show_slot(0);
}

void AlarmPageView::build_chime_frame(Panel& page) {
    model::ChimeSettings& chime = settings_.chime;
    const int* row = kChimeRows;
    page.add<GroupBinding>(at(8, kChimeTop, 560, 180), chime_frame_);
    page.add<CheckBinding>(at(20, row[0], 124), chime.zhengdian);
    page.add<LabelBinding>(at(150, row[0], 48), interval_label_);
    page.add<TextBinding>(at(200, row[0], 50), chime.zhengdian_jiange, ES_NUMBER);
    page.add<LabelBinding>(at(256, row[0], 36), minutes_label_);
    page.add<LabelBinding>(at(296, row[0], 260), interval_hint_);

    page.add<CheckBinding>(at(20, row[1], 124), chime.zhengdian_wenzi);
    page.add<LabelBinding>(at(150, row[1], 48), sound_label_);
    page.add<CheckBinding>(at(200, row[1], 20), chime.zhengdian_xuan_shengyin);
    page.add<ListBinding>(at(222, row[1], 140), chime.zhengdian_shengyin);

    page.add<CheckBinding>(at(20, row[2], 124), chime.zhengdian_mingxing);
    page.add<LabelBinding>(at(150, row[2], 48), pack_label_);
    page.add<ListBinding>(at(200, row[2], 162), chime.zhengdian_shengyin_mingxing);

    page.add<LabelBinding>(at(20, row[3], 520, 20), chime_file_label_);
    page.add<TextBinding>(at(20, row[4], 342), chime.zhengdian_wenjian);
}

void AlarmPageView::build_slot_frame(Panel& page) {
    model::AlarmSlot& slot = settings_.slots[0];
    const int* row = kSlotRows;
    slot_group_ = &page.add<GroupBinding>(at(8, kSlotTop, 560, 206), slot_frame_);
    dingshi_ = &page.add<CheckBinding>(at(20, row[0], 124), slot.dingshi);
    dingshi_guanji_ = &page.add<CheckBinding>(at(150, row[0], 150), slot.dingshi_guanji);

    page.add<LabelBinding>(at(20, row[1], 48), time_label_);
    dingshi_shi_ = &page.add<ListBinding>(at(70, row[1], 66), slot.dingshi_shi);
    page.add<LabelBinding>(at(140, row[1], 20), hour_minute_).set_caption("时");
    dingshi_fen_ = &page.add<ListBinding>(at(162, row[1], 66), slot.dingshi_fen);
    page.add<LabelBinding>(at(232, row[1], 20), hour_minute_).set_caption("分");
    page.add<LabelBinding>(at(270, row[1], 48), rule_label_);
    dingshi_riqi_ =
        &page.add<ButtonBinding>(at(320, row[1], 212, kButtonHeight), slot.dingshi_riqi, nullptr);

    dingshi_wenzi_ = &page.add<CheckBinding>(at(20, row[2], 124), slot.dingshi_wenzi);
    dingshi_text_ = &page.add<TextBinding>(at(150, row[2], 382), slot.dingshi_text);

    page.add<LabelBinding>(at(20, row[3], 48), sound_label_);
    dingshi_xuan_shengyin_ =
        &page.add<CheckBinding>(at(70, row[3], 20), slot.dingshi_xuan_shengyin);
    dingshi_shengyin_ = &page.add<ListBinding>(at(92, row[3], 140), slot.dingshi_shengyin);

    page.add<LabelBinding>(at(20, row[4], 300, 20), slot_file_label_);
    dingshi_wenjian_ = &page.add<TextBinding>(at(20, row[5], 342), slot.dingshi_wenjian);
    (void)kButtonWidth;
}

void AlarmPageView::show_slot(int k) {
    if (k == shown_ || k < 0 || k >= model::kSlotCount) return;
    shown_ = k;
    model::AlarmSlot& slot = settings_.slots[static_cast<size_t>(k)];
    const std::string number = std::to_string(k + 1);
    slot_frame_.caption = "定时 " + number;
    slot_group_->rebind(slot_frame_);
    dingshi_->rebind(slot.dingshi, "启用定时 " + number);
    dingshi_shi_->rebind(slot.dingshi_shi);
    dingshi_fen_->rebind(slot.dingshi_fen);
    dingshi_riqi_->rebind(slot.dingshi_riqi, slot.dingshi_riqi.caption);
    dingshi_guanji_->rebind(slot.dingshi_guanji);
    dingshi_wenzi_->rebind(slot.dingshi_wenzi);
    dingshi_text_->rebind(slot.dingshi_text);
    dingshi_xuan_shengyin_->rebind(slot.dingshi_xuan_shengyin);
    dingshi_shengyin_->rebind(slot.dingshi_shengyin);
    dingshi_wenjian_->rebind(slot.dingshi_wenjian);
}

}  // namespace tockly::win32
