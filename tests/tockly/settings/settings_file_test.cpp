#include "tockly/settings/settings_file.h"

#include <gtest/gtest.h>

#include <map>

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

using LineChanges = std::initializer_list<std::pair<int, std::string>>;

// The text of a file whose lines are all "0" except the ones given (line number from 1 ->
// text), as UTF-8.
std::string utf8_file_with(LineChanges changes, int line_count = kSettingsLineCount) {
    SettingsLines lines;
    lines.fill("0");
    for (const auto& [line, text] : changes) lines[static_cast<size_t>(line - 1)] = text;
    std::string text;
    for (int i = 0; i < line_count; ++i) text += lines[static_cast<size_t>(i)] + "\r\n";
    return text;
}

// The same in the ANSI code page, as Tockly writes it.
std::string file_with(LineChanges changes, int line_count = kSettingsLineCount) {
    return utf8_to_ansi(utf8_file_with(changes, line_count));
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

TEST_F(SettingsFileTest, FileOnDiskIs525CrLfLinesInCodePage936) {
    settings.slots[0].dingshi_text.set_text("万事如意");
    settings.options.ring_until_heard.set_value(1);
    save_settings(settings, prompt, files, boxes, kTitle);
    const std::string& bytes = files.files.at(kPath);
    EXPECT_EQ(bytes.substr(bytes.size() - 17), "0\r\n23:00\r\n07:00\r\n");
    size_t line_ends = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++line_ends;
    EXPECT_EQ(line_ends, 525u);
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
    const std::string bak = std::string(kPath) + ".bak";
    // A damaged old file fails already at its copy.
    for (const auto& [old, failed_path] :
         {std::pair<std::string, std::string>{"1\r\n", kPath}, {"old", bak}}) {
        files.files = {{kPath, old}};
        files.writable = false;
        boxes.shown.clear();
        save_settings(settings, prompt, files, boxes, kTitle);
        EXPECT_EQ(files.files, (std::map<std::string, std::string>{{kPath, old}}));
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[1].text, save_failed_message(failed_path));
        EXPECT_NE(boxes.shown[1].text.find(failed_path), std::string::npos);
    }
}

// The new file was written but cannot be flushed to the disk (a removed stick, a network
// folder gone) or cannot take the old one's place (locked, no rights to rename).
class FlushRefusingFiles : public platform::FakeFileSystem {
  public:
    bool flush_file(const std::string&) override { return false; }
};
class ReplaceRefusingFiles : public platform::FakeFileSystem {
  public:
    bool replace_file(const std::string&, const std::string&) override { return false; }
};

TEST(SettingsStorage, FailedFlushOrReplaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
    FlushRefusingFiles flush_refusing;
    ReplaceRefusingFiles replace_refusing;
    for (platform::FakeFileSystem* files :
         std::initializer_list<platform::FakeFileSystem*>{&flush_refusing, &replace_refusing}) {
        files->add_file(kPath, "old");
        SettingsLines lines;
        EXPECT_FALSE(write_settings_file(*files, kPath, lines));
        EXPECT_EQ(files->files.at(kPath), "old");
        EXPECT_EQ(files->files.size(), 1u);
    }
}

TEST(SettingsStorage, LineBreaksInsideTextsCannotShiftTheLinesAfterThem) {
    platform::FakeFileSystem files;
    SettingsLines lines;
    lines[418] = "第一行\r\n第二行\n";
    lines[518] = "1";
    ASSERT_TRUE(write_settings_file(files, kPath, lines));
    const SettingsLines read = read_settings_file(files, kPath).lines;
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

// A file saved from an editor as UTF-8 loads its texts, and the save turns it into the code
// page without a copy: nothing was lost.
TEST_F(SettingsFileTest, Utf8FilesWithAndWithoutByteOrderMarkLoadTheirTexts) {
    const std::string text = utf8_file_with({{1, "1"}, {6, "D:\\音乐\\闹钟.mp3"}, {419, "起床了"}});
    for (const std::string& bytes : {"\xEF\xBB\xBF" + text, text, utf8_to_ansi(text)}) {
        files.files.clear();
        boxes.shown.clear();
        load(bytes);
        EXPECT_EQ(settings.chime.zhengdian.value(), 1);
        EXPECT_EQ(settings.chime.zhengdian_wenjian.text(), "D:\\音乐\\闹钟.mp3");
        EXPECT_EQ(settings.slots[0].dingshi_text.text(), "起床了");
        save_settings(settings, prompt, files, boxes, kTitle);
        EXPECT_NE(files.files.at(kPath).find(utf8_to_ansi("\r\n起床了\r\n")), std::string::npos);
        EXPECT_EQ(files.files.size(), 1u);
        EXPECT_EQ(boxes.shown.back().text, kSaveDone);
    }
}

// What a load could not use is copied aside before the save replaces it; the copy replaces an
// older one. Everything else saves without a copy.
TEST_F(SettingsFileTest, SavingOverLinesALoadCouldNotUseKeepsTheOldFileAsBak) {
    const std::string bak = std::string(kPath) + ".bak";
    const std::string tmp = std::string(kPath) + ".tmp";
    struct Case {
        const char* what;
        std::string bytes;
        bool kept;
    };
    const Case cases[] = {
        {"all zero", file_with({}), false},
        {"short file", file_with({{1, "1"}}, 9), false},
        {"texts and paths", file_with({{6, "D:\\a b.mp3"}, {418, "星期6,日"}, {419, "早"}}), false},
        {"numbers refused or repaired", file_with({{10, "99"}, {2, "0.5"}, {414, " 2000 "}}),
         false},
        {"word in a check line", file_with({{1, "是"}}), true},
        {"number with a unit", file_with({{2, "12.7分"}}), true},
        {"percent in the volume line", file_with({{518, "40%"}}), true},
        {"byte that is no GBK character", utf8_file_with({{419, "ab\xFF"}}), true},
        {"broken UTF-8 after a byte order mark",
         "\xEF\xBB\xBF" + utf8_file_with({{419, "\xE8\xB5"}}), true},
        {"UTF-8 text the code page cannot hold", utf8_file_with({{419, "😀起床了"}}), true},
        {"NUL after a number", file_with({{6, std::string("1\0x", 3)}}), true},
    };
    for (const Case& c : cases) {
        files.files = {{kPath, c.bytes}, {bak, "older copy"}};
        files.flushed.clear();
        boxes.shown.clear();
        load_settings(settings, prompt, files);
        save_settings(settings, prompt, files, boxes, kTitle);
        EXPECT_EQ(files.files.at(bak), c.kept ? c.bytes : "older copy") << c.what;
        EXPECT_EQ(boxes.shown.back().text,
                  c.kept ? std::string(kSaveDone) + kOldFileKept : kSaveDone)
            << c.what;
        // Flushed before the rename: the temporary file exists only until then.
        const std::vector<std::string> flushed =
            c.kept ? std::vector<std::string>{bak, tmp} : std::vector<std::string>{tmp};
        EXPECT_EQ(files.flushed, flushed) << c.what;
        EXPECT_EQ(files.files.at(kPath).find('\0'), std::string::npos) << c.what;
    }
    EXPECT_EQ(settings.chime.zhengdian_wenjian.text(), "1");
}

TEST_F(SettingsFileTest, LinesAfter525AreIgnored) {
    load(file_with({{519, "1"}, {522, "1"}}) + "1\r\n2\r\n");
    EXPECT_EQ(settings.options.Check3[model::option::kShowNews].value(), 1);
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

// A file of an older version ends at line 519; damaged times fall back to the defaults.
TEST_F(SettingsFileTest, QuietHoursTakeTheirDefaultsFromShortOrDamagedFiles) {
    load(file_with({{519, "1"}}, 519));
    EXPECT_EQ(settings.chime.yejian_miandarao.value(), 0);
    EXPECT_EQ(settings.chime.miandarao_kaishi.text(), "23:00");
    EXPECT_EQ(settings.chime.miandarao_jieshu.text(), "07:00");
    load(file_with({{523, "1"}, {524, "24:00"}, {525, "7:5"}}));
    EXPECT_EQ(settings.chime.yejian_miandarao.value(), 1);
    EXPECT_EQ(settings.chime.miandarao_kaishi.text(), "23:00");
    EXPECT_EQ(settings.chime.miandarao_jieshu.text(), "07:00");
}

}  // namespace
}  // namespace tockly::settings_file
