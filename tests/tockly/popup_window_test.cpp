#include <gtest/gtest.h>

#include "app_harness.h"
#include "tockly/platform/monitor_screen.h"

namespace tockly::testing {
namespace {

using Region = platform::FakePopupWindowService::Region;

// A 1920 x 1080 pixel screen at 15 twips per pixel.
struct PopupHarness {
    platform::FakeScreen screen;
    platform::FakePopupWindowService service;
    windows::PopupWindow popup{screen, service};
};

TEST(PopupWindow, SitsOnTopOfTheTaskBarOrInTheCorner) {
    struct Case {
        const char* bar;
        platform::TwipsRect work_area;
        double top_px;
    };
    // A 300 x 260 pixel window.
    for (const Case& c : {Case{"bottom", {0, 0, 1920 * 15, 1050 * 15}, 1080 - 260 - 30},
                          Case{"top", {0, 30 * 15, 1920 * 15, 1080 * 15}, 1080 - 260},
                          Case{"side", {60 * 15, 0, 1920 * 15, 1080 * 15}, 1080 - 260}}) {
        PopupHarness h;
        h.screen.work_area = c.work_area;
        h.popup.open();
        EXPECT_EQ(h.service.calls.front(), "place " + std::to_string((1920 - 300) * 15) + " " +
                                               std::to_string(static_cast<long>(c.top_px * 15)))
            << c.bar;
    }
}

TEST(PopupWindow, RisesTenRowsPerTickUntilWhollyShown) {
    struct Case {
        double width_px, height_px;
        int ticks;
    };
    for (const Case& c : {Case{300, 260, 26}, Case{200, 400, 40}}) {
        PopupHarness h;
        h.popup.Width = c.width_px * 15;
        h.popup.Height = c.height_px * 15;
        h.popup.open();
        const int w = static_cast<int>(c.width_px), ht = static_cast<int>(c.height_px);
        EXPECT_EQ(h.service.regions.front(), (Region{w, ht - 1, ht}));  // the bottom row only
        for (int tick = 1; tick < c.ticks; ++tick) h.popup.Timer1_Timer();
        EXPECT_TRUE(h.popup.revealing());
        EXPECT_GT(h.service.regions.back().top, 0);
        h.popup.Timer1_Timer();
        EXPECT_FALSE(h.popup.revealing());
        EXPECT_EQ(h.service.regions.back(), (Region{w, 0, ht}));
        h.popup.Timer1_Timer();  // the timer has stopped
        EXPECT_EQ(h.service.regions.size(), static_cast<size_t>(c.ticks) + 1);
    }
}

// A primary monitor at 150 % (144 DPI) in a session signed in at 100 %: the screen in twips and
// the window placed from it are converted with the monitor's DPI, as the window converts them.
TEST(PopupWindow, FitsAMonitorOfAnotherScaleThanTheSystems) {
    struct Monitor : platform::MonitorScreen {
        platform::MonitorPixels measure() override {
            return {{0, 0, 2880, 1620}, {0, 0, 2880, 1560}, 144};
        }
    } screen;
    platform::FakePopupWindowService service;
    windows::PopupWindow popup{screen, service};
    popup.open();
    const int left = platform::pixels_from_twips(popup.Left, 144);
    const int top = platform::pixels_from_twips(popup.Top, 144);
    // 300 x 260 pixels at 96 DPI are 450 x 390 here, right above the task bar in the corner.
    EXPECT_EQ(left + 450, 2880);
    EXPECT_EQ(top + 390, 1560);
    EXPECT_EQ(service.regions.front(), (Region{450, 389, 390}));
}

TEST(PopupWindow, OnlyTheLeftButtonDragsTheTitleStrip) {
    PopupHarness h;
    h.popup.open();
    h.popup.Label2_MouseDown(windows::kMouseRightButton);
    EXPECT_EQ(std::count(h.service.calls.begin(), h.service.calls.end(), "drag"), 0);
    h.popup.Label2_MouseDown(windows::kMouseLeftButton);
    EXPECT_EQ(h.service.calls.back(), "drag");
}

TEST(PopupWindow, ClosingFreesTheRegionAndAReopeningSlidesInAgain) {
    PopupHarness h;
    h.popup.show();
    for (int i = 0; i < 30; ++i) h.popup.Timer1_Timer();
    h.popup.close();
    EXPECT_EQ(h.service.calls.back(), "hide");
    EXPECT_EQ(h.service.calls[h.service.calls.size() - 2], "free region");
    h.popup.show();
    EXPECT_TRUE(h.popup.revealing());
    EXPECT_EQ(h.popup.reveal_edge(), 259);
}

TEST(News, LoadsTheNewsPageUnlessASitePageShowsThenShowsThePopup) {
    AppHarness h;
    h.app.tray.wenjian1_Click(shell::tray_item::kNews);
    EXPECT_TRUE(h.app.form_tan.visible());
    EXPECT_EQ(std::count(h.popup_window.calls.begin(), h.popup_window.calls.end(),
                         "navigate https://www.tockly.cn/news"),
              1);
    h.app.form_tan.location_changed("https://www.tockly.cn/news/2026/12/7.html");
    h.app.tray.wenjian1_Click(shell::tray_item::kNews);
    h.app.form_tan.location_changed("https://www.tockly.cn.example/");
    h.app.tray.wenjian1_Click(shell::tray_item::kNews);
    EXPECT_EQ(std::count(h.popup_window.calls.begin(), h.popup_window.calls.end(),
                         "navigate https://www.tockly.cn/news"),
              2);
}

}  // namespace
}  // namespace tockly::testing
