#include "tockly/settings/settings_file.h"

#include <gtest/gtest.h>

#include "tests/tockly/settings/fake_prompt_placement.h"
#include "tockly/pages/chime_page.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/settings/ansi_codec.h"
#include "tockly/settings/settings_fields.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/settings/settings_storage.h"

namespace tockly::settings_file {
namespace {

namespace mb = platform::message_box;
using model::ReminderSettings;

constexpr const char* kPath = "C:\\Tockly\\数据库";
constexpr const char* kTitle = "Tockly";

// Every stored field, as the file would hold it.
SettingsLines stored_lines(ReminderSettings& settings, PromptPlacement& prompt) {
    SettingsLines lines;
    for (const SettingsField& field : settings_fields(settings, prompt))
        lines[static_cast<size_t>(field.line - 1)] = field.write();
    return lines;
}

// The bytes of a file whose lines are all "0" except the ones given (line number from 1 ->
// text), in the ANSI code page.
std::string file_with(std::initializer_list<std::pair<int, std::string>> changes,
                      int line_count = kSettingsLineCount) {
    SettingsLines lines;
    lines.fill("0");
    for (const auto& [line, text] : changes) lines[static_cast<size_t>(line - 1)] = text;
    std::string text;
    for (int i = 0; i < line_count; ++i) text += lines[static_cast<size_t>(i)] + "\r\n";
    return utf8_to_ansi(text);
}

class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        settings.chime.zhengdian_shengyin_mingxing.add_item("Korvane");
        settings.chime.zhengdian_shengyin_mingxing.add_item("Lin");
        // The interval is kept whole by the chime page's reaction, as in the program.
        ui::TextBox& interval = settings.chime.zhengdian_jiange;
        interval.on_change = [&interval] {
            interval.set_text(pages::whole_minutes(interval.text()));
        };
    }
    void load(const std::string& file_bytes) {
        files.add_file(kPath, file_bytes);
        load_settings(settings, prompt, files);
    }

    ReminderSettings settings;
    FakePromptPlacement prompt;
    platform::FakeFileSystem files;
    platform::FakeMessageBox boxes;
};

TEST_F(SettingsFileTest, SaveThenLoadReproducesEveryStoredField) {
    settings.chime.zhengdian.set_value(1);
    settings.chime.zhengdian_jiange.set_text("45");
    settings.chime.zhengdian_shengyin.set_list_index(6);
    settings.chime.zhengdian_wenjian.set_text("D:\\我的 音乐\\a,b.mp3");
    settings.chime.zhengdian_shengyin_mingxing.set_list_index(1);
    model::AlarmSlot& slot = settings.slots[11];
    slot.dingshi.set_value(1);
    slot.dingshi_shi.set_list_index(24);
    slot.dingshi_fen.set_list_index(45);
    slot.dingshi_guanji.set_value(1);
    slot.dingshi_riqi.caption = "星期1,2,3,4,5";
    slot.dingshi_text.set_text("  起床, 上班 ");
    settings.slots[49].dingshi_riqi.caption = "2010-5-1";
    settings.slots[0].dingshi_shengyin.set_list_index(3);  // slot 1 keeps hour and minute at -1
    settings.options.Check3[model::option::kHotkeyActive].set_value(1);
    settings.options.rejian.set_list_index(21);
    settings.options.Slider1.set_value(128);
    settings.options.Slider2.set_value(35);
    prompt.move(15360 - 4000.5, 1200);
    const SettingsLines saved = stored_lines(settings, prompt);

    save_settings(settings, prompt, files, boxes, kTitle);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, kSaveQuestion);
    EXPECT_EQ(boxes.shown[1].text, kSaveDone);

    ReminderSettings loaded;
    loaded.chime.zhengdian_shengyin_mingxing.add_item("Korvane");
    loaded.chime.zhengdian_shengyin_mingxing.add_item("Lin");
    FakePromptPlacement loaded_prompt;
    load_settings(loaded, loaded_prompt, files);
    EXPECT_EQ(stored_lines(loaded, loaded_prompt), saved);
    EXPECT_EQ(loaded.slots[0].dingshi_shi.list_index(), -1);
    EXPECT_EQ(loaded.slots[11].dingshi_text.text(), "  起床, 上班 ");
    EXPECT_EQ(loaded_prompt.left(), 15360 - 4000.5);
}

TEST_F(SettingsFileTest, FileOnDiskIs522CrLfLinesInCodePage936) {
    settings.slots[0].dingshi_text.set_text("万事如意");
    settings.options.ring_until_heard.set_value(1);
    save_settings(settings, prompt, files, boxes, kTitle);
    const std::string& bytes = files.files.at(kPath);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "1\r\n");
    size_t line_ends = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++line_ends;
    EXPECT_EQ(line_ends, 522u);
    EXPECT_EQ(bytes.find('\n', 0), bytes.find("\r\n") + 1);
    EXPECT_NE(bytes.find("\r\n\xCD\xF2\xCA\xC2\xC8\xE7\xD2\xE2\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("万事"), std::string::npos);
    EXPECT_EQ(files.files.count(std::string(kPath) + ".tmp"), 0u);
}

TEST_F(SettingsFileTest, AnsweringNoWritesNothing) {
    files.add_file(kPath, "old");
    boxes.answers = {mb::kAnswerNo};
    save_settings(settings, prompt, files, boxes, kTitle);
    EXPECT_EQ(files.files.at(kPath), "old");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(SettingsFileTest, FailedSaveKeepsTheOldFileAndSaysSo) {
    files.add_file(kPath, "old");
    files.writable = false;
    save_settings(settings, prompt, files, boxes, kTitle);
    EXPECT_EQ(files.files.at(kPath), "old");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, save_failed_message(kPath));
    EXPECT_NE(boxes.shown[1].text.find(kPath), std::string::npos);
}

// The new file was written but cannot take the old one's place (locked, no rights to rename).
class ReplaceRefusingFiles : public platform::FakeFileSystem {
  public:
    bool replace_file(const std::string&, const std::string&) override { return false; }
};

TEST(SettingsStorage, FailedReplaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
    ReplaceRefusingFiles files;
    files.add_file(kPath, "old");
    SettingsLines lines;
    EXPECT_FALSE(write_settings_file(files, kPath, lines));
    EXPECT_EQ(files.files.at(kPath), "old");
    EXPECT_EQ(files.files.size(), 1u);
}

TEST(SettingsStorage, LineBreaksInsideTextsCannotShiftTheLinesAfterThem) {
    platform::FakeFileSystem files;
    SettingsLines lines;
    lines[418] = "第一行\r\n第二行\n";
    lines[518] = "1";
    ASSERT_TRUE(write_settings_file(files, kPath, lines));
    const SettingsLines read = read_settings_file(files, kPath);
    EXPECT_EQ(read[418], "第一行第二行");
    EXPECT_EQ(read[518], "1");
}

TEST_F(SettingsFileTest, MissingFileGivesZerosEmptyTextsAndTheRepairs) {
    settings.slots[4].dingshi_text.set_text("保留");
    load_settings(settings, prompt, files);
    EXPECT_EQ(settings.chime.zhengdian_jiange.text(), "30");
    EXPECT_EQ(settings.chime.zhengdian_shengyin.list_index(), 0);
    EXPECT_EQ(settings.chime.zhengdian_shengyin_mingxing.list_index(), 0);
    for (const model::AlarmSlot& slot : settings.slots) {
        EXPECT_EQ(slot.dingshi_riqi.caption, "每天");
        EXPECT_EQ(slot.dingshi_riqi.tooltip, "点击进行日期选择");
        EXPECT_EQ(slot.dingshi_wenzi.value(), 0);
        EXPECT_EQ(slot.dingshi_shi.list_index(), 0);
    }
    EXPECT_EQ(settings.slots[4].dingshi_text.text(), "保留");
    EXPECT_EQ(settings.slots[5].dingshi_text.text(), "万事如意,心想事成!");
    EXPECT_EQ(settings.options.Slider1.value(), 255);
    EXPECT_EQ(settings.options.Slider2.value(), 100);
    EXPECT_EQ(settings.options.Check3[model::option::kShowNews].value(), 0);
    EXPECT_EQ(prompt.left(), 15360 - 3765);
    EXPECT_EQ(prompt.top(), 0);
    EXPECT_EQ(prompt.calls.back(), "shangceng_Click 1");
}

TEST_F(SettingsFileTest, ShortFileAppliesItsLinesAndTreatsTheRestAsAbsent) {
    load(file_with({{1, "1"}, {2, "15"}, {9, "1"}}, 9));
    EXPECT_EQ(settings.chime.zhengdian.value(), 1);
    EXPECT_EQ(settings.chime.zhengdian_jiange.text(), "15");
    EXPECT_EQ(settings.slots[0].dingshi.value(), 1);
    EXPECT_EQ(settings.slots[0].dingshi_wenzi.value(), 0);  // line 13 absent: 0
    EXPECT_EQ(settings.options.Slider2.value(), 100);
}

TEST_F(SettingsFileTest, TextThatIsNotANumberLeavesTheFieldAsItWas) {
    load(file_with({{1, "是"}, {13, "1x"}, {17, "abc"}, {18, "3"}, {518, "40%"}, {416, "x"}}));
    EXPECT_EQ(settings.chime.zhengdian.value(), 0);
    EXPECT_EQ(settings.slots[0].dingshi_wenzi.value(), 1);  // start value kept
    EXPECT_EQ(settings.slots[1].dingshi.value(), 0);
    EXPECT_EQ(settings.slots[1].dingshi_shi.list_index(), 3);
    EXPECT_EQ(settings.options.Slider2.value(), 40);  // a leading-number line
    EXPECT_EQ(settings.options.Slider1.value(), 255);
}

TEST_F(SettingsFileTest, ValuesOutsideAControlsRangeAreRefusedLikeTheControlRefusesThem) {
    load(file_with({{1, "2"}, {10, "25"}, {11, "-2"}, {15, "1.5"}, {412, "99"}}));
    EXPECT_EQ(settings.chime.zhengdian.value(), 0);
    EXPECT_EQ(settings.slots[0].dingshi_shi.list_index(), -1);
    EXPECT_EQ(settings.slots[0].dingshi_fen.list_index(), -1);
    EXPECT_EQ(settings.slots[0].dingshi_shengyin.list_index(), 2);  // 1.5 rounds to even
    EXPECT_EQ(settings.options.rejian.list_index(), -1);
}

TEST_F(SettingsFileTest, LoadingRepairsIntervalDayRulesPromptTextsAndPacks) {
    load(
        file_with({{2, "0.5"}, {8, "2"}, {418, "   "}, {419, ""}, {420, "星期6,日"}, {421, "早"}}));
    EXPECT_EQ(settings.chime.zhengdian_jiange.text(), "30");
    EXPECT_EQ(settings.chime.zhengdian_shengyin_mingxing.list_index(), 0);
    EXPECT_EQ(settings.slots[0].dingshi_riqi.caption, "每天");
    EXPECT_EQ(settings.slots[0].dingshi_text.text(), "万事如意,心想事成!");
    EXPECT_EQ(settings.slots[1].dingshi_riqi.caption, "星期6,日");
    EXPECT_EQ(settings.slots[1].dingshi_text.text(), "早");

    load(file_with({{2, "12.7分"}, {8, "1.4"}}));
    EXPECT_EQ(settings.chime.zhengdian_jiange.text(), "12");
    EXPECT_EQ(settings.chime.zhengdian_shengyin_mingxing.list_index(), 1);
}

TEST_F(SettingsFileTest, PromptWindowIsBroughtBackOntoTheScreen) {
    load(file_with({{414, "2000"}, {415, "9500"}}));  // less than 3765 twips visible
    EXPECT_EQ(prompt.left(), 15360 - 3765);
    EXPECT_EQ(prompt.top(), 1000);
    load(file_with({{414, "20000"}, {415, "-1"}}));  // left of the screen
    EXPECT_EQ(prompt.left(), 15360 - 3765);
    EXPECT_EQ(prompt.top(), 1000);
    load(file_with({{414, "5000.5"}, {415, "9120"}}));
    EXPECT_EQ(prompt.left(), 15360 - 5000.5);
    EXPECT_EQ(prompt.top(), 9120);
}

TEST_F(SettingsFileTest, OpacityGoesToTheWindowFirstAndIsStoredWithinItsRange) {
    load(file_with({{416, "300"}, {417, "1"}}));
    EXPECT_EQ(prompt.calls[prompt.calls.size() - 2], "touming 255");
    EXPECT_EQ(prompt.calls.back(), "shangceng_Click 0");
    EXPECT_EQ(settings.options.Slider1.value(), 255);
    EXPECT_EQ(settings.options.Check3[model::option::kPromptOnTop].value(), 1);
    load(file_with({{416, "24"}, {417, "2"}}));
    EXPECT_EQ(settings.options.Slider1.value(), 255);
    EXPECT_EQ(settings.options.Check3[model::option::kPromptOnTop].value(), 0);
    load(file_with({{416, "25"}, {519, "7"}}));
    EXPECT_EQ(settings.options.Slider1.value(), 25);
    EXPECT_EQ(settings.options.Check3[model::option::kShowNews].value(), 1);
}

TEST_F(SettingsFileTest, RangesAreCheckedBeforeRounding) {
    load(file_with({{416, "24.6"}, {518, "0.6"}}));
    EXPECT_EQ(prompt.calls[prompt.calls.size() - 2], "touming 255");
    EXPECT_EQ(settings.options.Slider1.value(), 255);
    EXPECT_EQ(settings.options.Slider2.value(), 100);
}

TEST_F(SettingsFileTest, ChangeReactionsRunInLineOrderAndAFailingOneSkipsOnlyItsLine) {
    std::vector<std::string> order;
    settings.slots[0].dingshi.on_change = [&] { order.push_back("dingshi 1"); };
    settings.chime.zhengdian.on_change = [&] { order.push_back("zhengdian"); };
    settings.options.Check3[0].on_change = [&] { throw std::runtime_error("registry"); };
    settings.options.Check3[1].on_change = [&] { order.push_back("minimised"); };
    settings.chime.zhengdian_wenzi.on_change = [&] { order.push_back("wenzi"); };
    load(file_with({{1, "1"}, {3, "0"}, {9, "1"}, {409, "1"}, {410, "1"}}));
    EXPECT_EQ(order, (std::vector<std::string>{"zhengdian", "dingshi 1", "minimised"}));
    EXPECT_EQ(settings.options.Check3[0].value(), 1);
}

TEST_F(SettingsFileTest, LinesAfter522AreIgnored) {
    load(file_with({{522, "1"}}) + "1\r\n2\r\n");
    EXPECT_EQ(settings.options.ring_until_heard.value(), 1);
}

TEST_F(SettingsFileTest, AlarmCareLinesReadTheirDefaultsFromAnOlderOrOddFile) {
    model::AppOptions& options = settings.options;
    const auto read = [&options] {
        return std::to_string(options.wake_computer.value()) + " " +
               std::to_string(options.snooze_length_minutes()) + " " +
               std::to_string(options.ring_until_heard.value());
    };
    load(file_with({{520, "1"}, {521, "30"}, {522, "1"}}));
    EXPECT_EQ(read(), "1 30 1");
    // The program before these lines wrote 519.
    load(file_with({{520, "1"}, {521, "30"}, {522, "1"}}, 519));
    EXPECT_EQ(read(), "0 5 0");
    load(file_with({{520, "2"}, {521, "7"}, {522, "是"}}));
    EXPECT_EQ(read(), "0 5 0");
    load(file_with({{521, "10"}}));
    EXPECT_EQ(read(), "0 10 0");
}

}  // namespace
}  // namespace tockly::settings_file
