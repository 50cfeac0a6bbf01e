#include <gtest/gtest.h>

#include "tests/tockly/app_harness.h"

namespace tockly::testing {
namespace {

namespace option = model::option;

struct OptionsHarness : AppHarness {
    OptionsHarness() { app.start_up(); }
    ui::CheckBox& check(int index) {
        return app.settings.options.Check3[static_cast<size_t>(index)];
    }
};

TEST(OptionsPage, AutoStartStoresTheFullPathQuotedAndTheOffSwitchRemovesIt) {
    OptionsHarness h;
    // Longer than 127 characters and with blanks: neither cut nor left open to a program
    // named like its first part.
    h.files.folder = "C:\\Program Files\\" + std::string(120, 'x') + "\\";
    const std::string expected = "\"" + h.files.folder + "Tockly.exe\"";
    h.check(option::kAutoStart).set_value(1);
    h.check(option::kAutoStart).set_value(0);
    h.check(option::kAutoStart).set_value(1);
    EXPECT_EQ(h.registry.values.at({pages::kRunKey, "Tockly"}), expected);
    h.check(option::kAutoStart).set_value(0);
    EXPECT_TRUE(h.registry.values.empty());
    EXPECT_TRUE(h.registry.keys.count(pages::kRunKey));
}

TEST(OptionsPage, AutoStartNamesTheRunningProgramByItsOwnName) {
    OptionsHarness h;
    h.files.folder = "D:\\Apps";
    h.files.program_name = "闹钟 Tockly.exe";
    h.check(option::kAutoStart).set_value(1);
    EXPECT_EQ(h.registry.values.at({pages::kRunKey, "Tockly"}), "\"D:\\Apps\\闹钟 Tockly.exe\"");
}

TEST(OptionsPage, RegistryFailuresAreSaidAndTheBoxShowsWhatTheRegistryHolds) {
    struct Case {
        const char* what;
        bool value_before;
        int ticked;
    };
    for (const Case c : {Case{"writing", false, 1}, Case{"removing", true, 0}}) {
        OptionsHarness h;
        if (c.value_before) {
            h.check(option::kAutoStart).set_value(1);
            ASSERT_EQ(h.registry.values.size(), 1u);
        }
        h.registry.writable = false;
        h.message_box.shown.clear();
        h.check(option::kAutoStart).set_value(c.ticked);
        EXPECT_EQ(h.check(option::kAutoStart).value(), c.value_before ? 1 : 0) << c.what;
        EXPECT_EQ(h.registry.values.size(), c.value_before ? 1u : 0u) << c.what;
        ASSERT_EQ(h.message_box.shown.size(), 1u) << c.what;
        EXPECT_EQ(h.message_box.shown[0].text, std::string(pages::kAutoStartFailed) + "：" +
                                                   platform::FakeRegistry::kDeniedReason)
            << c.what;
    }
}

TEST(OptionsPage, UntickingWithoutARunValueIsNoFailure) {
    OptionsHarness h;
    h.check(option::kAutoStart).set_value(1);
    h.registry.values.clear();  // removed by someone else meanwhile
    h.check(option::kAutoStart).set_value(0);
    EXPECT_TRUE(h.message_box.shown.empty());
    EXPECT_EQ(h.check(option::kAutoStart).value(), 0);
}

TEST(OptionsPage, AdjustmentOptionsCannotBeSwitchedOff) {
    OptionsHarness h;
    for (int fixed : {option::kTransparency, option::kChimeVolume}) {
        h.check(fixed).set_value(0);
        EXPECT_EQ(h.check(fixed).value(), 1) << fixed;
    }
}

TEST(OptionsPage, HotkeyOptionEnablesTheListAndKeepsItsChoice) {
    OptionsHarness h;
    ui::ListBox& rejian = h.app.settings.options.rejian;
    EXPECT_FALSE(rejian.enabled);  // as its option, off from the start
    rejian.set_list_index(18);
    h.check(option::kHotkeyActive).set_value(1);
    EXPECT_TRUE(rejian.enabled);
    h.check(option::kHotkeyActive).set_value(0);
    EXPECT_FALSE(rejian.enabled);
    EXPECT_EQ(rejian.list_index(), 18);
}

TEST(OptionsPage, EachHotkeyEntryListensToItsKey) {
    const std::pair<int, int> entries[] = {{0, 112}, {11, 123}, {12, 44}, {13, 19},
                                           {14, 33}, {15, 34},  {16, 36}, {17, 35},
                                           {18, 39}, {19, 37},  {20, 38}, {21, 40}};
    for (const auto& [position, key] : entries) {
        OptionsHarness h;
        h.check(option::kHotkeyActive).set_value(1);
        h.app.settings.options.rejian.set_list_index(position);
        h.keyboard.down = {key};
        h.app.Timer2_Timer();
        EXPECT_EQ(h.player1.played.size(), 1u) << position;
    }
}

TEST(OptionsPage, HotkeyListIgnoresKeystrokes) {
    OptionsHarness h;
    ui::ListBox& rejian = h.app.settings.options.rejian;
    rejian.set_list_index(5);
    h.app.options_page.rejian_KeyDown();
    rejian.set_list_index(6);             // the key moved the choice
    h.app.options_page.rejian_KeyDown();  // held: repeats
    EXPECT_EQ(rejian.list_index(), 5);
    rejian.set_list_index(7);
    h.app.options_page.rejian_KeyUp();
    EXPECT_EQ(rejian.list_index(), 5);
    EXPECT_EQ(rejian.tag, "5抬起");
    rejian.set_list_index(9);  // the mouse still chooses
    EXPECT_EQ(rejian.list_index(), 9);
    h.app.options_page.rejian_KeyUp();  // Tab's release, the press was on the control before
    EXPECT_EQ(rejian.list_index(), 9);
}

TEST(OptionsPage, PromptOnTopOptionMovesThePromptWindowsLayer) {
    OptionsHarness h;
    h.check(option::kPromptOnTop).set_value(1);
    EXPECT_TRUE(h.app.Form2.topmost());
    h.check(option::kPromptOnTop).set_value(0);
    EXPECT_FALSE(h.app.Form2.topmost());
}

TEST(OptionsPage, NewsOptionShowsTheNewsAndItsPicturePanel) {
    OptionsHarness h;
    h.check(option::kShowNews).set_value(0);
    EXPECT_FALSE(h.app.Form1.gg_Picture2.visible);
    EXPECT_FALSE(h.app.form_tan.visible());
    h.check(option::kShowNews).set_value(1);
    EXPECT_TRUE(h.app.Form1.gg_Picture2.visible);
    EXPECT_TRUE(h.app.form_tan.visible());
    EXPECT_EQ(h.app.form_tan.LocationURL, "https://www.tockly.cn/news");
}

TEST(OptionsPage, OpacitySliderReachesThePromptWindowAtOnce) {
    OptionsHarness h;
    h.app.settings.options.Slider1.set_value(100);
    h.app.options_page.Slider1_Scroll();
    EXPECT_EQ(h.app.Form2.alpha(), 100);
}

TEST(OptionsPage, DoubleClickAnnouncesOnlyWhileTheClockTickRuns) {
    OptionsHarness h;
    h.app.options_page.background_DblClick();
    EXPECT_EQ(h.player1.played, std::vector<std::string>{h.clip("sy\\s8z")});
    h.app.Form1.timers_enabled = false;
    h.app.options_page.background_DblClick();
    EXPECT_EQ(h.player1.played.size(), 1u);
}

}  // namespace
}  // namespace tockly::testing
