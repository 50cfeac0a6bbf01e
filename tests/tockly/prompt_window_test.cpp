#include <gtest/gtest.h>

#include "app_harness.h"

namespace tockly::testing {
namespace {

struct RecordingPromptObserver : windows::PromptWindowTap {
    void mode_changed(const std::string& m) override { events.push_back("mode " + m); }
    void message_changed(const std::string& m) override { events.push_back("message " + m); }
    void status_changed(const std::string& s) override { events.push_back("status " + s); }
    void visibility_changed(bool v) override { events.push_back(v ? "show" : "hide"); }
    void alpha_set(int a) override { events.push_back("alpha " + std::to_string(a)); }
    std::vector<std::string> events;
};

struct PromptHarness : AppHarness {
    windows::PromptWindow& prompt = app.Form2;
    const std::string& status() { return prompt.Label1[0].caption; }
    void countdown_started_at(double seconds) {
        app.shared.set_shifouguanji("准备关机");
        app.shared.guanjiyanshi = seconds;
        prompt.set_Tag("剩余3分钟");
    }
};

TEST(PromptWindow, StatusLineByMode) {
    PromptHarness h;
    h.prompt.refresh();
    EXPECT_EQ(h.status(), "现在时间");
    h.prompt.set_Tag("整点报时");
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *整点报时* ");
    EXPECT_EQ(h.prompt.Label1[0].tooltip, " *整点报时* ");
    h.prompt.set_alarm_text("万事如意,心想事成!");
    h.prompt.set_Tag("定时12");
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *定时12* 万事如意,心想事成!");
    h.prompt.set_alarm_text("");
    h.prompt.set_Tag("定时3");
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *定时3* ");
    for (const char* unknown : {"剩余2分钟", "别的"}) {
        h.prompt.set_Tag(unknown);
        h.prompt.refresh();
        EXPECT_EQ(h.status(), " *定时3* ") << unknown;
    }
}

TEST(PromptWindow, CountdownRemainingTime) {
    PromptHarness h;
    h.clock.set_time(22, 0, 0);
    h.countdown_started_at(79200);
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *定时关机* 剩余时间:03分01秒 ");
    h.clock.set_time(22, 0, 56);
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *定时关机* 剩余时间:02分05秒 ");
    h.clock.set_time(22, 5, 0);
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *定时关机* 剩余时间:00分00秒 ");
}

TEST(PromptWindow, CountdownAcrossMidnight) {
    PromptHarness h;
    h.clock.set(2026, 12, 8, 0, 1, 0);
    h.countdown_started_at(86340);
    h.prompt.refresh();
    EXPECT_EQ(h.status(), " *定时关机* 剩余时间:01分01秒 ");
    EXPECT_EQ(*h.app.shared.guanjiyanshi, 86340);  // the engine's to move, not the window's
}

TEST(PromptWindow, CountdownWithoutAStartKeepsTheLine) {
    PromptHarness h;
    h.prompt.refresh();
    h.prompt.set_Tag("剩余3分钟");
    h.prompt.refresh();
    EXPECT_EQ(h.status(), "现在时间");
}

TEST(PromptWindow, TimeDateAndSizeLines) {
    PromptHarness h;
    h.clock.time_style = platform::FakeClock::TimeStyle::kMarkerLast;
    h.clock.set(2010, 4, 5, 9, 5, 9);
    h.prompt.picture_width = 4000;
    h.prompt.refresh();
    EXPECT_EQ(h.prompt.Label1[1].caption, "9:05:09");
    EXPECT_EQ(h.prompt.Label1[2].caption, "2010年4月5日");
    EXPECT_EQ(h.prompt.Width, 4000);
}

TEST(PromptWindow, CloseRequestsAreRefusedDuringAShutdown) {
    PromptHarness h;
    h.prompt.show();
    h.countdown_started_at(h.clock.seconds_since_midnight());
    h.prompt.close_request();
    EXPECT_TRUE(h.prompt.visible());
    h.app.shared.set_shifouguanji("");
    h.prompt.close_request();
    EXPECT_FALSE(h.prompt.visible());
}

TEST(PromptWindow, Transparency) {
    PromptHarness h;
    RecordingPromptObserver observer;
    h.prompt.taps.add(&observer);
    h.prompt.touming(25);
    EXPECT_EQ(h.prompt.alpha(), 25);
    EXPECT_TRUE(h.prompt.layered());
    h.prompt.touming(24);
    EXPECT_EQ(h.prompt.alpha(), 255);
    h.prompt.touming(300);
    EXPECT_EQ(h.prompt.alpha(), 255);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"alpha 25", "alpha 255", "alpha 255"}));

    const int expected[] = {26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
    for (int i = 0; i < 10; ++i) {
        h.prompt.wenjian1_Click(i);
        EXPECT_EQ(h.prompt.alpha(), expected[i]) << windows::transparency_caption(i);
        EXPECT_EQ(h.app.settings.options.Slider1.value(), expected[i]);
    }
    h.prompt.wenjian1_Click(3);
    h.prompt.wenjian1_Click(10);  // the separator
    EXPECT_EQ(h.prompt.alpha(), 102);
    EXPECT_EQ(windows::transparency_caption(9), "透明度100%");
}

TEST(PromptWindow, KeepOnTopFollowsTheOption) {
    PromptHarness h;
    h.prompt.shangceng_Click(0);
    EXPECT_TRUE(h.prompt.topmost());
    EXPECT_EQ(h.app.settings.options.Check3[5].value(), 1);
    h.prompt.shangceng_Click(1);
    EXPECT_FALSE(h.prompt.topmost());
    EXPECT_EQ(h.app.settings.options.Check3[5].value(), 0);
}

TEST(PromptWindow, ObserverSeesModeMessageStatusAndVisibility) {
    PromptHarness h;
    RecordingPromptObserver observer;
    h.prompt.taps.add(&observer);
    h.set_alarm(7, 8, 1).dingshi_text.set_text("喝水");
    h.clock.set_time(8, 0, 59.9);
    h.run(0.2);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"message 喝水", "mode 定时7", "show",
                                                         "status  *定时7* 喝水"}));
}

}  // namespace
}  // namespace tockly::testing
