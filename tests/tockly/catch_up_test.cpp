#include <gtest/gtest.h>

#include "app_harness.h"

namespace tockly::testing {
namespace {

using Events = std::vector<std::string>;

struct BalloonRecorder : shell::TrayIconService {
    void balloon(const std::string& text) override { balloons.push_back(text); }
    std::vector<std::string> balloons;
};

// The tray tip's second line, empty when it has none.
std::string next_due_line(const AppHarness& h) {
    const std::string& tip = h.app.Form1.Tag();
    const size_t end = tip.find('\n');
    return end == std::string::npos ? "" : tip.substr(end + 1);
}

TEST(CatchUp, ALateTickFiresWhatFellDueInTheGapOnceOrTellsItMissed) {
    struct Case {
        const char* what;
        double gap;
        bool shutdown;
        Events events;
    };
    const Case cases[] = {
        {"a 3 s stall across the due second", 3, false, {"fire slot 1"}},
        {"59 s late", 59, false, {"fire slot 1"}},
        {"a 2-hour sleep", 7200, false, {"missed slot 1 07:30"}},
        {"a shutdown is never started late", 3, true, {"missed slot 1 07:30"}},
    };
    for (const Case& c : cases) {
        AppHarness h;
        h.set_alarm(1, 7, 30).dingshi_text.set_text("开会");
        set_quietly(h.slot(1).dingshi_guanji, c.shutdown ? 1 : 0);
        h.clock.set_time(7, 29, 59);
        h.run(0.2);
        h.clock.advance(c.gap);
        h.run(10);
        EXPECT_EQ(h.observer.events, c.events) << c.what;
        const bool missed = c.events.front().starts_with("missed");
        EXPECT_EQ(h.app.Form2.Tag(), missed ? "错过的定时" : "定时1") << c.what;
        if (missed) {
            EXPECT_EQ(h.app.Form2.alarm_text(), "错过的定时：定时1 07:30 开会") << c.what;
        }
    }
}

TEST(CatchUp, OneTickASecondJustAfterTheWholeSecondDecidesAsTheFiveDid) {
    AppHarness h;
    h.set_alarm(1, 9, 0);
    h.set_alarm(2, 9, 0).dingshi_guanji.set_value(1);
    h.app.settings.chime.zhengdian.set_value(1);
    h.app.settings.chime.zhengdian_jiange.set_text("1");
    h.clock.set_time(8, 59, 58.005);
    for (int second = 0; second < 5; ++second) {
        h.app.Timer1_Timer();
        h.clock.advance(1);
    }
    EXPECT_EQ(h.observer.events, (Events{"fire slot 1", "shutdown-state 准备关机"}));
}

TEST(CatchUp, MissedAlarmsAreJoinedInOneNoticeAndBalloonButAMissedChimeIsNotTold) {
    AppHarness h;
    BalloonRecorder icon;
    h.app.tray.set_icon_service(&icon);
    h.app.start_up();
    h.set_alarm(1, 7, 30).dingshi_text.set_text("开会");
    h.set_alarm(3, 8, 0).dingshi_text.set_text("");
    h.app.settings.chime.zhengdian.set_value(1);
    h.app.settings.chime.zhengdian_jiange.set_text("60");
    h.clock.set_time(7, 0, 30);
    h.run(0.2);
    h.clock.set_time(9, 1, 30);  // set forward, as a sleep would leave it
    h.run(0.2);
    EXPECT_EQ(h.observer.events, (Events{"missed slot 1 07:30", "missed slot 3 08:00"}));
    const std::string notice = "错过的定时：定时1 07:30 开会；定时3 08:00";
    EXPECT_EQ(h.app.Form2.alarm_text(), notice);
    EXPECT_TRUE(h.app.Form2.visible());
    h.app.Form2.refresh();
    EXPECT_EQ(h.app.Form2.Label1[0].caption, notice);
    EXPECT_EQ(icon.balloons, std::vector<std::string>{notice});
}

TEST(CatchUp, AClockSetBackOverAFiredMinuteFiresNothingTwice) {
    AppHarness h;
    h.set_alarm(1, 2, 30);
    // The chime at 2:00 fires between the two passes, so that the five-second guard alone
    // would let the alarm through again.
    h.app.settings.chime.zhengdian.set_value(1);
    h.app.settings.chime.zhengdian_jiange.set_text("60");
    h.clock.set_time(2, 29, 59);
    h.run(20);
    h.clock.set_time(1, 59, 58);  // daylight rules or the time sync set it back
    h.run(32 * 60);
    EXPECT_EQ(h.observer.events, (Events{"fire slot 1", "fire chime"}));
}

TEST(Snooze, FiresTheSameSlotAgainAfterTheChosenMinutesCountedFromThePress) {
    struct Case {
        int position;
        int minutes;
        const char* again;
    };
    for (const Case& c : {Case{0, 5, "07:35:00"}, Case{3, 30, "08:00:00"}}) {
        AppHarness h;
        h.app.settings.options.snooze_minutes.set_list_index(c.position);
        h.set_alarm(1, 7, 30).dingshi_text.set_text("开会");
        h.clock.set_time(7, 29, 59.9);
        h.run(0.4);
        ASSERT_TRUE(h.player1.playing());
        ASSERT_TRUE(h.app.Form2.snooze_button.visible);
        h.app.Form2.snooze_Click();
        EXPECT_EQ(h.observer.events.back(), std::string("snooze slot 1 ") + c.again);
        EXPECT_FALSE(h.player1.playing());
        EXPECT_FALSE(h.app.Form2.visible());
        h.run(1);
        EXPECT_EQ(next_due_line(h),
                  "下一个定时：今天 " + std::string(c.again).substr(0, 5) + " 开会");
        h.run(c.minutes * 60 - 1.6);
        EXPECT_EQ(h.observer.count("fire slot 1"), 1) << c.minutes;
        h.run(0.8);
        EXPECT_EQ(h.observer.count("fire slot 1"), 2) << c.minutes;
        EXPECT_EQ(h.app.Form2.Tag(), "定时1");
        EXPECT_TRUE(h.player1.playing());
        h.app.Form2.acknowledge_Click();
        EXPECT_FALSE(h.player1.playing());
        EXPECT_FALSE(h.app.Form2.visible());
        EXPECT_FALSE(h.app.Form2.snooze_button.visible);
        EXPECT_EQ(next_due_line(h), "下一个定时：明天 07:30 开会");
    }
}

TEST(RingUntilHeard, RepeatsTheSoundUntilAnsweredAndAtMostFiveMinutes) {
    for (const bool answered : {false, true}) {
        AppHarness h;
        h.app.settings.options.ring_until_heard.set_value(1);
        h.set_alarm(1, 7, 30);
        h.clock.set_time(7, 29, 59.9);
        h.run(20);
        EXPECT_GT(h.player1.played.size(), 12u) << answered;  // the three spoken clips, again
        if (answered) h.app.Form2.acknowledge_Click();
        const size_t after_answer = h.player1.played.size();
        h.run(300);
        const size_t at_five_minutes = h.player1.played.size();
        h.run(60);
        EXPECT_EQ(h.player1.played.size(), at_five_minutes) << answered;
        if (answered) {
            EXPECT_EQ(at_five_minutes, after_answer);
        }
        EXPECT_EQ(h.app.Form2.Tag(), answered ? "现在时间" : "定时1");
    }
}

TEST(NextDue, TheTrayTipsSecondLineNamesTheNextAlarm) {
    struct Case {
        const char* what;
        int hour;
        int minute;
        const char* line;
    };
    const Case cases[] = {
        {"later today", 7, 0, "下一个定时：今天 07:30 开会"},
        {"tomorrow", 8, 0, "下一个定时：明天 07:30 开会"},
    };
    for (const Case& c : cases) {
        AppHarness h;
        h.set_alarm(1, 7, 30).dingshi_text.set_text("开会");
        h.clock.set_time(c.hour, c.minute, 0);
        h.run(0.2);
        EXPECT_EQ(next_due_line(h), c.line) << c.what;
    }
    AppHarness h;  // Monday 8:00
    h.run(0.2);
    EXPECT_EQ(next_due_line(h), "") << "none on";
    h.set_alarm(2, 9, 0).dingshi_riqi.caption = "星期4";
    h.set_alarm(7, 24, 15).dingshi_text.set_text("");  // every hour
    h.slot(2).dingshi_text.set_text("周会");
    h.run(0.2);
    EXPECT_EQ(next_due_line(h), "下一个定时：今天 08:15");
    set_quietly(h.slot(7).dingshi, 0);
    h.run(0.2);
    EXPECT_EQ(next_due_line(h), "下一个定时：12月10日 09:00 周会");
}

TEST(WakeTimer, IsSetForTheNextAlarmAndKeptInStepWithFiringAndTheOption) {
    AppHarness h;
    auto& options = h.app.settings.options;
    options.wake_computer.set_value(1);
    options.ring_until_heard.set_value(1);
    h.set_alarm(1, 7, 30);
    h.clock.set_time(7, 29, 58);
    h.run(1);
    ASSERT_FALSE(h.wake.settings.empty());
    EXPECT_NEAR(h.wake.settings.back()->serial(),
                common::OleDate::from_ymd(2026, 12, 7).serial() + 7.5 / 24, 1e-9);
    h.run(2);
    EXPECT_TRUE(h.wake.awake);  // ringing
    EXPECT_NEAR(h.wake.settings.back()->serial(),
                common::OleDate::from_ymd(2026, 12, 8).serial() + 7.5 / 24, 1e-9);
    h.app.Form2.acknowledge_Click();
    EXPECT_FALSE(h.wake.awake);
    options.wake_computer.set_value(0);
    h.run(0.2);
    EXPECT_EQ(h.wake.settings.back(), std::nullopt);
    EXPECT_EQ(h.wake.settings.size(), 3u);  // set, re-set after firing, cancelled
}

}  // namespace
}  // namespace tockly::testing
