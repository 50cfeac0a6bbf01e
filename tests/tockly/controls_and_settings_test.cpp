#include <gtest/gtest.h>

#include "tockly/model/reminder_settings.h"
#include "tockly/ui/controls.h"

namespace tockly {
namespace {

TEST(Controls, ChangeHandlersRunOnlyWhenTheValueChanges) {
    int runs = 0;
    ui::CheckBox box;
    box.on_change = [&] { ++runs; };
    box.set_value(0);
    box.set_value(1);
    box.set_value(1);
    box.set_value(2);  // not a check state
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(runs, 1);

    ui::TextBox text("30");
    text.on_change = [&] { ++runs; };
    text.set_text("30");
    text.set_text("45");
    EXPECT_EQ(runs, 2);
}

TEST(Controls, ListRefusesPositionsOutsideItsItems) {
    ui::ListBox list;
    int runs = 0;
    list.on_change = [&] { ++runs; };
    list.add_item("a");
    list.add_item("b");
    list.set_list_index(1);
    list.set_list_index(2);
    list.set_list_index(-2);
    EXPECT_EQ(list.list_index(), 1);
    EXPECT_EQ(list.text(), "b");
    list.set_list_index(-1);
    EXPECT_EQ(list.text(), "");
    list.set_list_index(0);
    list.clear();
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(runs, 4);
}

TEST(Controls, SliderKeepsItsRange) {
    ui::Slider slider(25, 255, 255);
    slider.set_value(24);
    slider.set_value(256);
    EXPECT_EQ(slider.value(), 255);
    slider.set_value(25);
    EXPECT_EQ(slider.value(), 25);
}

TEST(ReminderSettings, StartValues) {
    model::ReminderSettings settings;
    EXPECT_EQ(settings.chime.zhengdian.value(), 0);
    EXPECT_EQ(settings.chime.zhengdian_jiange.text(), "30");
    for (const auto& slot : settings.slots) {
        EXPECT_EQ(slot.dingshi.value(), 0);
        EXPECT_EQ(slot.dingshi_riqi.caption, "每天");
        EXPECT_EQ(slot.dingshi_wenzi.value(), 1);
        EXPECT_EQ(slot.dingshi_xuan_shengyin.value(), 1);
        EXPECT_EQ(slot.dingshi_text.text(), "万事如意,心想事成!");
        EXPECT_EQ(slot.dingshi_guanji.value(), 0);
    }
    const int expected[] = {0, 0, 0, 0, 1, 0, 1, 1};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(settings.options.Check3[i].value(), expected[i]) << i;
}

TEST(ReminderSettings, FixedListContents) {
    model::ReminderSettings settings;
    const auto& slot = settings.slots[49];
    ASSERT_EQ(slot.dingshi_shi.list_count(), 25);
    EXPECT_EQ(slot.dingshi_shi.item(0), "  0");
    EXPECT_EQ(slot.dingshi_shi.item(23), " 23");
    EXPECT_EQ(slot.dingshi_shi.item(24), "全部");
    ASSERT_EQ(slot.dingshi_fen.list_count(), 60);
    EXPECT_EQ(slot.dingshi_fen.item(7), "  7");
    EXPECT_EQ(slot.dingshi_fen.item(59), " 59");
    EXPECT_EQ(slot.dingshi_shengyin.item(4), "门 铃");
    EXPECT_EQ(slot.dingshi_shengyin.item(6), "自定义 ");
    EXPECT_EQ(settings.chime.zhengdian_shengyin.item(5), "小  号");
    EXPECT_EQ(settings.chime.zhengdian_shengyin.item(6), "自定义");
    EXPECT_EQ(settings.options.rejian.list_count(), 22);
    EXPECT_EQ(settings.options.rejian.item(13), "Break");
}

TEST(ReminderSettings, AdjustmentOptionsCannotBeSwitchedOff) {
    model::ReminderSettings settings;
    settings.options.Check3[model::option::kTransparency].set_value(0);
    settings.options.Check3[model::option::kChimeVolume].set_value(0);
    EXPECT_EQ(settings.options.Check3[4].value(), 1);
    EXPECT_EQ(settings.options.Check3[6].value(), 1);
}

TEST(ReminderSettings, RefillingListsDropsChoices) {
    model::ReminderSettings settings;
    settings.slots[3].dingshi_fen.set_list_index(30);
    settings.fill_fixed_lists();
    EXPECT_EQ(settings.slots[3].dingshi_fen.list_index(), -1);
    EXPECT_EQ(settings.slots[3].dingshi_fen.list_count(), 60);
}

}  // namespace
}  // namespace tockly
