#include "tockly/win32/views/alarm_page.h"

namespace tockly::win32 {

namespace {

constexpr int kRowHeight = 26;
constexpr int kButtonWidth = 76;

// Rows of the chime frame and of the slot frame, in page coordinates.
constexpr int kChimeTop = 4;
constexpr int kChimeRows[] = {24, 56, 88, 120, 144};
constexpr int kSlotTop = 186;
constexpr int kSlotRows[] = {206, 238, 270, 302, 334, 358};
constexpr int kButtonColumn = 372;

LogicalRect at(int x, int y, int width, int height = kRowHeight) {
    return {x, y, width, height};
}

}  // namespace

AlarmPageView::AlarmPageView(Panel& page, model::ReminderSettings& settings,
                             pages::AlarmEditor& editor, pages::ChimePage& chime_page,
                             pages::DateChooser& chooser)
    : settings_(settings), editor_(editor), chime_page_(chime_page), chooser_(chooser) {
    build_chime_frame(page);
    build_slot_frame(page);
    sync();
}

void AlarmPageView::build_chime_frame(Panel& page) {
    model::ChimeSettings& chime = settings_.chime;
    pages::ChimePage& p = chime_page_;
    const int* row = kChimeRows;
    page.add<GroupBinding>(at(8, kChimeTop, 560, 176), chime_frame_);
    page.add<CheckBinding>(at(20, row[0], 124), chime.zhengdian);
    page.add<LabelBinding>(at(150, row[0], 48), p.Label2);
    page.add<TextBinding>(at(200, row[0], 50), chime.zhengdian_jiange);
    page.add<LabelBinding>(at(256, row[0], 36), p.Label3);
    page.add<LabelBinding>(at(296, row[0], 260), p.Label4[0]);

    page.add<CheckBinding>(at(20, row[1], 124), chime.zhengdian_wenzi);
    page.add<LabelBinding>(at(150, row[1], 48), sound_label_);
    page.add<CheckBinding>(at(200, row[1], 20), chime.zhengdian_xuan_shengyin);
    page.add<ListBinding>(at(222, row[1], 140), chime.zhengdian_shengyin);
    page.add<ButtonBinding>(at(kButtonColumn, row[1], kButtonWidth), p.zhengdian_shiting,
                            [&p] { p.zhengdian_shiting_Click(); });

    page.add<CheckBinding>(at(20, row[2], 124), chime.zhengdian_mingxing);
    page.add<LabelBinding>(at(150, row[2], 48), pack_label_);
    page.add<ListBinding>(at(200, row[2], 162), chime.zhengdian_shengyin_mingxing,
                          ListBinding::Typing::kAllowed);
    page.add<ButtonBinding>(at(kButtonColumn, row[2], kButtonWidth), p.Command5,
                            [&p] { p.Command5_Click(); });

    // Quiet hours beside the buttons: the box above, from and to below it.
    page.add<CheckBinding>(at(456, row[1], 106), chime.yejian_miandarao);
    page.add<TextBinding>(at(456, row[2], 46), chime.miandarao_kaishi);
    page.add<LabelBinding>(at(504, row[2], 14), quiet_to_label_);
    page.add<TextBinding>(at(518, row[2], 46), chime.miandarao_jieshu);

    page.add<LabelBinding>(at(20, row[3], 520, 22), p.zhengdian_lab);
    page.add<TextBinding>(at(20, row[4], 342), chime.zhengdian_wenjian);
    page.add<ButtonBinding>(at(kButtonColumn, row[4], kButtonWidth), p.zhengdian_liulan,
                            [&p] { p.zhengdian_liulan_Click(); });
}

void AlarmPageView::build_slot_frame(Panel& page) {
    model::AlarmSlot& slot = settings_.slots[0];
    pages::SlotPage& slot_page = editor_.pages[0];
    const int* row = kSlotRows;
    slot_frame_ = &page.add<GroupBinding>(at(8, kSlotTop, 560, 212), slot_page.Frame2);
    dingshi_ = &page.add<CheckBinding>(at(20, row[0], 124), slot.dingshi);
    dingshi_guanji_ = &page.add<CheckBinding>(at(150, row[0], 150), slot.dingshi_guanji);
    page.add<ButtonBinding>(at(kButtonColumn, row[0], kButtonWidth), editor_.shangxia[0],
                            [this] { editor_.shangxia_Click(0); });
    page.add<ButtonBinding>(at(kButtonColumn + kButtonWidth + 8, row[0], kButtonWidth),
                            editor_.shangxia[1], [this] { editor_.shangxia_Click(1); });

    page.add<LabelBinding>(at(20, row[1], 48), time_label_);
    dingshi_shi_ = &page.add<ListBinding>(at(70, row[1], 66), slot.dingshi_shi);
    hour_label_ = &page.add<LabelBinding>(at(140, row[1], 20), slot_page.Label1);
    hour_label_->set_caption("时");
    dingshi_fen_ = &page.add<ListBinding>(at(162, row[1], 66), slot.dingshi_fen);
    minute_label_ = &page.add<LabelBinding>(at(232, row[1], 20), slot_page.Label1);
    minute_label_->set_caption("分");
    page.add<LabelBinding>(at(270, row[1], 48), rule_label_);
    dingshi_riqi_ = &page.add<ButtonBinding>(at(320, row[1], 212), slot.dingshi_riqi, [this] {
        chooser_.dingshi_riqi_Click(editor_.page_index());
    });

    dingshi_wenzi_ = &page.add<CheckBinding>(at(20, row[2], 124), slot.dingshi_wenzi);
    dingshi_text_ = &page.add<TextBinding>(at(150, row[2], 382), slot.dingshi_text);

    page.add<LabelBinding>(at(20, row[3], 48), sound_label_);
    dingshi_xuan_shengyin_ =
        &page.add<CheckBinding>(at(70, row[3], 20), slot.dingshi_xuan_shengyin);
    dingshi_shengyin_ = &page.add<ListBinding>(at(92, row[3], 140), slot.dingshi_shengyin);
    dingshi_shiting_ =
        &page.add<ButtonBinding>(at(kButtonColumn, row[3], kButtonWidth), slot_page.dingshi_shiting,
                                 [this] { editor_.dingshi_shiting_Click(editor_.page_index()); });

    dingshi_lab_ = &page.add<LabelBinding>(at(20, row[4], 300, 22), slot_page.dingshi_lab);
    dingshi_wenjian_ = &page.add<TextBinding>(at(20, row[5], 342), slot.dingshi_wenjian);
    dingshi_liulan_ =
        &page.add<ButtonBinding>(at(kButtonColumn, row[5], kButtonWidth), slot_page.dingshi_liulan,
                                 [this] { editor_.dingshi_liulan_Click(editor_.page_index()); });
}

void AlarmPageView::sync() {
    const int k = editor_.page_index();
    if (k == shown_) return;
    shown_ = k;
    model::AlarmSlot& slot = settings_.slots[static_cast<size_t>(k)];
    pages::SlotPage& slot_page = editor_.pages[static_cast<size_t>(k)];
    slot_frame_->rebind(slot_page.Frame2);
    // The slot switch's caption names its slot: "启用定时 1" ... "启用定时 50".
    dingshi_->rebind(slot.dingshi, "启用定时 " + std::to_string(k + 1));
    dingshi_shi_->rebind(slot.dingshi_shi);
    hour_label_->rebind(slot_page.Label1);
    dingshi_fen_->rebind(slot.dingshi_fen);
    minute_label_->rebind(slot_page.Label1);
    dingshi_riqi_->rebind(slot.dingshi_riqi, slot.dingshi_riqi.caption);
    dingshi_guanji_->rebind(slot.dingshi_guanji);
    dingshi_wenzi_->rebind(slot.dingshi_wenzi);
    dingshi_text_->rebind(slot.dingshi_text);
    dingshi_xuan_shengyin_->rebind(slot.dingshi_xuan_shengyin);
    dingshi_shengyin_->rebind(slot.dingshi_shengyin);
    dingshi_shiting_->rebind(slot_page.dingshi_shiting, slot_page.dingshi_shiting.caption);
    dingshi_lab_->rebind(slot_page.dingshi_lab);
    dingshi_wenjian_->rebind(slot.dingshi_wenjian);
    dingshi_liulan_->rebind(slot_page.dingshi_liulan, slot_page.dingshi_liulan.caption);
}

}  // namespace tockly::win32
