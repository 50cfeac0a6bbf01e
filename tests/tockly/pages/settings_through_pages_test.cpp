// Loading the settings file applies every value as a user's change would, so the pages'
// reactions decide what a contradictory file leaves behind, in the file's line order.
#include <gtest/gtest.h>

#include "tests/tockly/pages/pages_harness.h"
#include "tockly/settings/ansi_codec.h"
#include "tockly/settings/settings_file.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/shell/prompt_window_placement.h"

namespace tockly::testing {
namespace {

struct SettingsThroughPagesTest : ::testing::Test, PagesHarness {
    // A file of "0" lines except the ones given (line number from 1 -> text).
    void load(std::initializer_list<std::pair<int, std::string>> changes) {
        settings_file::SettingsLines lines;
        lines.fill("0");
        for (const auto& [line, text] : changes) lines[static_cast<size_t>(line - 1)] = text;
        files.add_file("C:\\Tockly\\数据库",
                       settings_file::utf8_to_ansi(settings_file::join_settings_lines(lines)));
        shell::PromptWindowPlacement placement(app.Form2, screen);
        settings_file::load_settings(app.settings, placement, files);
    }
};

TEST_F(SettingsThroughPagesTest, ShutdownSlotComesBackWithItsText) {
    // Slot 3: on, shutdown on, text off, sound off.
    const int first = 9 + 8 * 2;
    load({{first, "1"}, {first + 3, "1"}, {first + 4, "0"}, {first + 5, "0"}});
    const model::AlarmSlot& s = slot(3);
    EXPECT_EQ(s.dingshi_guanji.value(), 1);
    EXPECT_EQ(s.dingshi_wenzi.value(), 1);
    EXPECT_EQ(s.dingshi_xuan_shengyin.value(), 0);
    EXPECT_TRUE(s.dingshi_text.enabled);
    EXPECT_FALSE(slot(4).dingshi_text.enabled);
}

TEST_F(SettingsThroughPagesTest, ChimeWithSoundAndPackKeepsThePackOnTheHour) {
    load({{1, "1"}, {2, "15"}, {4, "1"}, {7, "1"}});
    const model::ChimeSettings& chime = app.settings.chime;
    EXPECT_EQ(chime.zhengdian_xuan_shengyin.value(), 0);
    EXPECT_EQ(chime.zhengdian_mingxing.value(), 1);
    EXPECT_EQ(chime.zhengdian_jiange.text(), "60");
    EXPECT_TRUE(chime.zhengdian_jiange.enabled);
}

TEST_F(SettingsThroughPagesTest, ChimeIntervalIsNormalisedByThePage) {
    load({{2, "12.7"}});
    EXPECT_EQ(app.settings.chime.zhengdian_jiange.text(), "12");
}

}  // namespace
}  // namespace tockly::testing
