#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app_harness.h"

namespace tockly::testing {
namespace {

// Slot 3 with the shutdown option, due at 22:00 on a Monday.
struct ShutdownHarness : AppHarness {
    ShutdownHarness() {
        set_alarm(3, 22, 0).dingshi_guanji.set_value(1);
        clock.set_time(21, 59, 59.9);
    }
    // Each clip heard and the whole seconds after 22:00:00 at which it started.
    std::vector<std::pair<std::string, int>> heard() const {
        std::vector<std::pair<std::string, int>> out;
        const std::int64_t ten_pm = platform::FakeClock::ms_of({2026, 12, 7}, 22, 0, 0);
        for (size_t i = 0; i < player1.played.size(); ++i)
            out.emplace_back(player1.played[i],
                             static_cast<int>((player1.played_at_ms[i] - ten_pm) / 1000));
        return out;
    }
};

TEST(Shutdown, WarningsComeOnceEachAndTheComputerSwitchesOff) {
    ShutdownHarness h;
    h.run(175);
    using Heard = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(h.heard(), (Heard{{h.clip("sy\\ds"), 0},
                                {h.clip("sy\\s22z"), 1},
                                {h.clip("sy\\g3"), 9},
                                {h.clip("sy\\g2"), 60},
                                {h.clip("sy\\g1"), 120},
                                {h.clip("sy\\g0"), 166}}));
    EXPECT_EQ(h.app.Form2.Tag(), "剩余3分钟");
    EXPECT_EQ(h.app.Form2.alpha(), 255);
    EXPECT_EQ(h.power.calls, (std::vector<std::string>{"privilege", "exit 5"}));
    EXPECT_EQ(h.app.shared.shifouguanbi, "关闭");
    EXPECT_FALSE(h.app.Form2.visible());
    // The slot's settings were never saved, and still nothing waits for an answer.
    EXPECT_TRUE(h.message_box.shown.empty());
    EXPECT_EQ(h.observer.events, (std::vector<std::string>{"shutdown-state 准备关机", "fire slot 3",
                                                           "shutdown-state 真正关机", "quit"}));
}

TEST(Shutdown, FinalWarningSilencesEveryOtherAnnouncement) {
    ShutdownHarness h;
    h.player1.clip_ms = [](const std::string& path) {
        return std::optional<std::int64_t>(path.ends_with("g0") ? 30000 : 1000);
    };
    h.run(168);
    ASSERT_EQ(h.app.shared.shifouguanji(), "真正关机");
    const size_t played = h.player1.played.size();
    h.app.bofang_shijian("现在时间");
    h.app.bofang_shijian("定时关机被取消");
    EXPECT_EQ(h.player1.played.size(), played);
}

TEST(Shutdown, NoPrivilegeAdjustmentOutsideTheNtFamily) {
    ShutdownHarness h;
    h.power.nt = false;
    h.run(175);
    EXPECT_EQ(h.power.calls, std::vector<std::string>{"exit 5"});
}

TEST(Shutdown, ExitActions) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"关机", {"privilege", "exit 5"}},
        {"重启", {"privilege", "exit 6"}},
        {"注销", {"privilege", "exit 4"}},
        {"休眠", {}},
    };
    for (const auto& [action, calls] : cases) {
        AppHarness h;
        h.app.shutdown.qvx_guanjichuli(action);
        EXPECT_EQ(h.power.calls, calls) << action;
        EXPECT_EQ(h.observer.events, std::vector<std::string>{"quit"}) << action;
    }
}

TEST(Shutdown, CancelAtEachStageStopsTheShutdown) {
    for (double stage : {5.0, 11.0, 61.0, 121.0, 167.0}) {
        ShutdownHarness h;
        h.run(stage);
        ASSERT_EQ(h.app.Form2.Command1.caption, "点击取消关机");
        h.app.Form2.Command1_Click();
        EXPECT_EQ(h.app.shared.shifouguanji(), "") << stage;
        EXPECT_EQ(h.player1.played.back(), h.clip("sy\\qx")) << stage;
        EXPECT_EQ(h.app.Form2.Tag(), "现在时间") << stage;
        EXPECT_FALSE(h.app.Form2.Command1.visible) << stage;
        h.run(200);
        EXPECT_TRUE(h.power.calls.empty()) << stage;
        EXPECT_EQ(h.observer.count("quit"), 0) << stage;

        // Reminders resume.
        h.set_alarm(1, 22, 5);
        h.clock.set_time(22, 4, 59.9);
        h.run(1);
        EXPECT_EQ(h.observer.count("fire slot 1"), 1) << stage;
    }
}

TEST(Shutdown, CountdownAcrossMidnightKeepsItsDistances) {
    AppHarness h;
    h.set_alarm(1, 23, 59).dingshi_guanji.set_value(1);
    h.clock.set_time(23, 58, 59.9);
    const double start = h.clock.absolute_seconds() + 0.1;
    h.run(175);
    std::vector<std::pair<std::string, double>> warnings;
    for (size_t i = 0; i < h.player1.played.size(); ++i) {
        const std::string& path = h.player1.played[i];
        if (path.find("sy\\g") != std::string::npos)
            warnings.emplace_back(path.substr(path.size() - 2), h.player1.played_at_ms[i] / 1000.0);
    }
    ASSERT_EQ(warnings.size(), 4u);
    const double expected[] = {9.5, 60, 120, 166};
    // Within two ticks: the tick that meets the midnight jump only corrects the start.
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(warnings[i].second - start, expected[i], 0.45) << warnings[i].first;
    }
    EXPECT_EQ(h.power.calls.back(), "exit 5");
}

TEST(Shutdown, AWarningStartedAtMidnightIsNotRepeated) {
    AppHarness h;
    h.app.shared.guanjiyanshi = -10.0;  // armed at 23:59:50, already moved back a day
    h.app.shared.set_shifouguanji("准备关机");
    h.clock.set_time(0, 0, 0);
    h.app.shutdown.countdown_step();
    h.clock.set_time(0, 0, 0.2);
    h.app.shutdown.countdown_step();
    EXPECT_EQ(std::count(h.player1.played.begin(), h.player1.played.end(), h.clip("sy\\g3")), 1);
}

TEST(Shutdown, MissingFinalClipLeavesTheCancelOnOffer) {
    ShutdownHarness h;
    h.player1.clip_ms = [](const std::string& path) {
        return path.ends_with("g0") ? std::nullopt : std::optional<std::int64_t>(1000);
    };
    h.run(200);
    EXPECT_EQ(h.app.shared.shifouguanji(), "真正关机");
    EXPECT_TRUE(h.power.calls.empty());
    EXPECT_EQ(h.app.Form2.Command1.caption, "点击取消关机");
    EXPECT_TRUE(h.app.Form2.Command1.visible);
}

}  // namespace
}  // namespace tockly::testing
