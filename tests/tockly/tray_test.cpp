#include <gtest/gtest.h>

#include "app_harness.h"

namespace tockly::testing {
namespace {

namespace item = shell::tray_item;
using shell::kLeftButtonUp;
using shell::kRightButtonUp;
using shell::kTrayMessage;

struct IconRecorder : shell::TrayIconService {
    void icon_changed(bool installed, const std::string& tip) override {
        events.push_back((installed ? "icon " : "no icon ") + tip);
    }
    void menu_requested() override { events.push_back("menu"); }
    std::vector<std::string> events;
};

struct TrayHarness : AppHarness {
    TrayHarness() {
        app.tray.set_icon_service(&icon);
        app.start_up();
    }
    IconRecorder icon;
};

TEST(Tray, LeftClickBringsBackOnlyAMinimisedWindow) {
    for (short state : {shell::kNormal, shell::kMaximised, shell::kMinimised}) {
        TrayHarness h;
        h.app.Form1.set_WindowState(state);
        const bool shown_before = h.app.Form1.visible;
        const bool handled = h.app.tray.handle_message(kTrayMessage, kLeftButtonUp);
        EXPECT_EQ(handled, state == shell::kMinimised) << state;
        EXPECT_TRUE(h.app.Form1.visible) << state;
        if (state == shell::kMinimised) {
            EXPECT_EQ(h.app.Form1.WindowState(), h.app.Form1.LastState);
            EXPECT_TRUE(h.app.Form1.focused);
        } else {
            EXPECT_EQ(h.app.Form1.WindowState(), state);
            EXPECT_EQ(h.app.Form1.visible, shown_before);
        }
    }
}

TEST(Tray, RightClickPopsTheMenuAndOtherMessagesGoOn) {
    TrayHarness h;
    EXPECT_TRUE(h.app.tray.handle_message(kTrayMessage, kRightButtonUp));
    EXPECT_EQ(h.icon.events.back(), "menu");
    EXPECT_FALSE(h.app.tray.handle_message(kTrayMessage, 512));  // a mouse move
    EXPECT_FALSE(h.app.tray.handle_message(15, kRightButtonUp));
}

TEST(Tray, TipFollowsTheClockDisplay) {
    TrayHarness h;
    h.clock.set_time(21, 5, 9);
    h.app.Timer2_Timer();
    EXPECT_EQ(h.app.tray.tip(), h.app.Form1.Tag());
    EXPECT_EQ(h.icon.events.back(), "icon " + h.app.Form1.Tag());
}

TEST(Tray, AnnounceNowOnlyWhileTheClockTickRuns) {
    TrayHarness h;
    h.app.tray.wenjian1_Click(item::kAnnounceNow);
    EXPECT_EQ(h.player1.played, std::vector<std::string>{h.clip("sy\\s8z")});
    h.app.Form1.timers_enabled = false;
    h.app.tray.wenjian1_Click(item::kAnnounceNow);
    EXPECT_EQ(h.player1.played.size(), 1u);
}

TEST(Tray, PromptWindowItemShowsOrClosesItAsItsDoubleClickDoes) {
    TrayHarness h;
    h.app.tray.wenjian1_Click(item::kPromptWindow);
    EXPECT_TRUE(h.app.Form2.visible());
    h.app.shared.set_shifouguanji("准备关机");
    h.app.tray.wenjian1_Click(item::kPromptWindow);
    EXPECT_TRUE(h.app.Form2.visible());  // the countdown stays in view
    h.app.shared.set_shifouguanji("");
    h.app.tray.wenjian1_Click(item::kPromptWindow);
    EXPECT_FALSE(h.app.Form2.visible());
}

TEST(Tray, PagesAndWindowsItems) {
    TrayHarness h;
    h.app.tray.wenjian1_Click(item::kUpgrade);
    EXPECT_EQ(h.browser.opened, std::vector<std::string>{"https://www.tockly.cn/upgrade"});

    h.app.Form1.Unload();  // hidden in the tray
    h.app.tray.wenjian1_Click(item::kSettings);
    EXPECT_TRUE(h.app.Form1.visible);
    EXPECT_EQ(h.app.Form1.WindowState(), h.app.Form1.LastState);

    for (int nothing : {item::kNothing, 1, 4, 6, 8, 10, 13, 15, -1})
        h.app.tray.wenjian1_Click(nothing);
    EXPECT_TRUE(h.player1.log.empty());
    EXPECT_TRUE(h.popup_window.calls.empty());
    EXPECT_TRUE(h.app.Form1.visible);
}

TEST(Tray, StopCustomEndsAUserFile) {
    TrayHarness h;
    model::AlarmSlot& slot = h.set_alarm(1, 8, 1, 6);
    slot.dingshi_xuan_shengyin.set_value(1);  // a missing settings file left it off
    slot.dingshi_wenjian.set_text("C:\\Tockly\\a.mp3");
    h.player1.clip_ms = [](const std::string&) { return std::int64_t{60000}; };
    h.run(61);
    ASSERT_EQ(h.app.sound.Mp3Play1.Tag, "自定义");
    h.app.tray.wenjian1_Click(item::kStopCustom);
    h.run(0.2);
    EXPECT_EQ(h.app.sound.Mp3Play1.Tag, "");
    EXPECT_FALSE(h.player1.playing());
}

TEST(Tray, ExitQuitsAndTheCloseButtonDoesNot) {
    TrayHarness h;
    h.app.Form1.Unload();
    EXPECT_TRUE(h.app.tray.installed());
    h.app.tray.wenjian1_Click(item::kExit);
    EXPECT_EQ(h.app.shared.shifouguanbi, "关闭");
    EXPECT_TRUE(h.app.Form1.quitting());
    EXPECT_EQ(h.icon.events.back().rfind("no icon", 0), 0u);
}

}  // namespace
}  // namespace tockly::testing
