// The file's line layout, written down from the format's own table rather than from the code's
// field list, so that two fields trading places cannot pass unnoticed.
#include <gtest/gtest.h>

#include "tests/tockly/settings/fake_prompt_placement.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/settings/ansi_codec.h"
#include "tockly/settings/settings_file.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/settings/settings_storage.h"

namespace tockly::settings_file {
namespace {

// A value for every stored field, each check line differing from every other check line of
// its block in at least one slot, and every pair kept consistent as the pages keep it.
struct SlotValues {
    int dingshi, shi, fen, guanji, wenzi, xuan, shengyin;
    std::string wenjian, riqi, text;
};
SlotValues slot_values(int k) {
    static constexpr int kChecks[4][4] = {{1, 0, 1, 0}, {0, 1, 1, 1}, {1, 0, 0, 1}, {0, 0, 1, 1}};
    const int* c = kChecks[k % 4];
    return {c[0],
            k % 25,
            59 - k,
            c[1],
            c[2],
            c[3],
            k % 7,
            "D:\\声音\\" + std::to_string(k) + ".mp3",
            "星期" + std::to_string(k % 6 + 1),
            "提示 " + std::to_string(k)};
}

// Line number -> text, as the table lays the file out.
SettingsLines expected_lines() {
    SettingsLines lines;
    auto at = [&lines](int line) -> std::string& { return lines[static_cast<size_t>(line - 1)]; };
    at(1) = "1", at(2) = "45", at(3) = "0", at(4) = "1", at(5) = "3", at(6) = "D:\\chime.wav";
    at(7) = "0", at(8) = "1";
    for (int k = 0; k < 50; ++k) {
        const SlotValues v = slot_values(k);
        at(9 + 8 * k) = std::to_string(v.dingshi);
        at(10 + 8 * k) = std::to_string(v.shi);
        at(11 + 8 * k) = std::to_string(v.fen);
        at(12 + 8 * k) = std::to_string(v.guanji);
        at(13 + 8 * k) = std::to_string(v.wenzi);
        at(14 + 8 * k) = std::to_string(v.xuan);
        at(15 + 8 * k) = std::to_string(v.shengyin);
        at(16 + 8 * k) = v.wenjian;
        at(418 + 2 * k) = v.riqi;
        at(419 + 2 * k) = v.text;
    }
    at(409) = "1", at(410) = "0", at(411) = "1", at(412) = "13", at(413) = "0";
    at(414) = "5000", at(415) = "1234", at(416) = "128", at(417) = "1";
    at(518) = "37", at(519) = "0", at(520) = "1", at(521) = "15", at(522) = "1";
    at(523) = "1", at(524) = "22:30", at(525) = "06:05";
    return lines;
}

void set_values(model::ReminderSettings& s, FakePromptPlacement& prompt) {
    s.chime.zhengdian_shengyin_mingxing.add_item("Korvane");
    s.chime.zhengdian_shengyin_mingxing.add_item("Lin");
    s.chime.zhengdian.set_value(1);
    s.chime.zhengdian_jiange.set_text("45");
    s.chime.zhengdian_xuan_shengyin.set_value(1);
    s.chime.zhengdian_shengyin.set_list_index(3);
    s.chime.zhengdian_wenjian.set_text("D:\\chime.wav");
    s.chime.zhengdian_shengyin_mingxing.set_list_index(1);
    s.chime.yejian_miandarao.set_value(1);
    s.chime.miandarao_kaishi.set_text("22:30");
    s.chime.miandarao_jieshu.set_text("6:05");
    for (int k = 0; k < 50; ++k) {
        const SlotValues v = slot_values(k);
        model::AlarmSlot& slot = s.slots[static_cast<size_t>(k)];
        slot.dingshi.set_value(v.dingshi);
        slot.dingshi_shi.set_list_index(v.shi);
        slot.dingshi_fen.set_list_index(v.fen);
        slot.dingshi_guanji.set_value(v.guanji);
        slot.dingshi_wenzi.set_value(v.wenzi);
        slot.dingshi_xuan_shengyin.set_value(v.xuan);
        slot.dingshi_shengyin.set_list_index(v.shengyin);
        slot.dingshi_wenjian.set_text(v.wenjian);
        slot.dingshi_riqi.caption = v.riqi;
        slot.dingshi_text.set_text(v.text);
    }
    namespace option = model::option;
    s.options.Check3[option::kAutoStart].set_value(1);
    s.options.Check3[option::kHotkeyActive].set_value(1);
    s.options.rejian.set_list_index(13);
    s.options.Check3[option::kPromptOnTop].set_value(1);
    s.options.Check3[option::kShowNews].set_value(0);
    s.options.Slider1.set_value(128);
    s.options.Slider2.set_value(37);
    s.options.wake_computer.set_value(1);
    s.options.snooze_minutes.set_list_index(2);
    s.options.ring_until_heard.set_value(1);
    prompt.move(prompt.screen_width() - 5000, 1234);
}

constexpr const char* kPath = "C:\\Tockly\\数据库";

TEST(SettingsLayout, EveryFieldIsWrittenOnItsOwnLine) {
    model::ReminderSettings settings;
    FakePromptPlacement prompt;
    platform::FakeFileSystem files;
    platform::FakeMessageBox boxes;
    set_values(settings, prompt);
    save_settings(settings, prompt, files, boxes, "Tockly");
    EXPECT_EQ(read_settings_file(files, kPath).lines, expected_lines());
}

TEST(SettingsLayout, EveryLineIsReadIntoItsOwnField) {
    model::ReminderSettings expected;
    FakePromptPlacement expected_prompt;
    set_values(expected, expected_prompt);

    model::ReminderSettings loaded;
    loaded.chime.zhengdian_shengyin_mingxing.add_item("Korvane");
    loaded.chime.zhengdian_shengyin_mingxing.add_item("Lin");
    FakePromptPlacement prompt;
    platform::FakeFileSystem files;
    files.add_file(kPath, utf8_to_ansi(join_settings_lines(expected_lines())));
    load_settings(loaded, prompt, files);

    for (int k = 0; k < 50; ++k) {
        const model::AlarmSlot& a = loaded.slots[static_cast<size_t>(k)];
        const model::AlarmSlot& b = expected.slots[static_cast<size_t>(k)];
        EXPECT_EQ(
            std::tuple(a.dingshi.value(), a.dingshi_shi.list_index(), a.dingshi_fen.list_index(),
                       a.dingshi_guanji.value(), a.dingshi_wenzi.value(),
                       a.dingshi_xuan_shengyin.value(), a.dingshi_shengyin.list_index(),
                       a.dingshi_wenjian.text(), a.dingshi_riqi.caption, a.dingshi_text.text()),
            std::tuple(b.dingshi.value(), b.dingshi_shi.list_index(), b.dingshi_fen.list_index(),
                       b.dingshi_guanji.value(), b.dingshi_wenzi.value(),
                       b.dingshi_xuan_shengyin.value(), b.dingshi_shengyin.list_index(),
                       b.dingshi_wenjian.text(), b.dingshi_riqi.caption, b.dingshi_text.text()))
            << "slot " << k;
    }
    const auto& c = loaded.chime;
    EXPECT_EQ(std::tuple(c.zhengdian.value(), c.zhengdian_jiange.text(), c.zhengdian_wenzi.value(),
                         c.zhengdian_xuan_shengyin.value(), c.zhengdian_shengyin.list_index(),
                         c.zhengdian_wenjian.text(), c.zhengdian_mingxing.value(),
                         c.zhengdian_shengyin_mingxing.list_index(), c.yejian_miandarao.value(),
                         c.miandarao_kaishi.text(), c.miandarao_jieshu.text()),
              std::tuple(1, std::string("45"), 0, 1, 3, std::string("D:\\chime.wav"), 0, 1, 1,
                         std::string("22:30"), std::string("06:05")));
    const auto& o = loaded.options;
    std::vector<int> checks;
    for (const auto& box : o.Check3) checks.push_back(box.value());
    EXPECT_EQ(checks, (std::vector<int>{1, 0, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(std::tuple(o.rejian.list_index(), o.Slider1.value(), o.Slider2.value()),
              std::tuple(13, 128, 37));
    EXPECT_EQ(std::pair(prompt.left(), prompt.top()),
              std::pair(prompt.screen_width() - 5000, 1234.0));
}

}  // namespace
}  // namespace tockly::settings_file
