#include <gtest/gtest.h>

#include "app_harness.h"

namespace tockly::testing {
namespace {

TEST(ReminderTick, AlarmFiresOnceInsideItsDueWindow) {
    AppHarness h;
    h.set_alarm(1, 7, 30);
    h.clock.set_time(7, 29, 58.9);
    h.run(6);
    EXPECT_EQ(h.observer.count("fire slot 1"), 1);
    EXPECT_EQ(h.app.Form2.Tag(), "定时1");
    EXPECT_TRUE(h.app.Form2.visible());
}

TEST(ReminderTick, NoTickInsideTheWindowMeansTheAlarmIsMissed) {
    AppHarness h;
    h.set_alarm(1, 7, 30);
    h.clock.set_time(7, 30, 1.6);
    h.run(60);
    EXPECT_TRUE(h.observer.events.empty());
}

TEST(ReminderTick, DueWindowEndsAtOneAndAHalfSeconds) {
    for (const auto& [second, fires] : {std::pair{1.45, true}, {1.55, false}}) {
        AppHarness h;
        h.set_alarm(1, 7, 30);
        h.clock.set_time(7, 30, second);
        h.app.Timer1_Timer();
        EXPECT_EQ(h.observer.count("fire slot 1"), fires ? 1 : 0) << second;
    }
}

TEST(ReminderTick, ARemindersDueAtMidnightFireOnce) {
    AppHarness alarm;
    alarm.set_alarm(1, 0, 0);
    alarm.clock.set(2026, 12, 7, 23, 59, 59.8);
    alarm.run(3);
    EXPECT_EQ(alarm.observer.count("fire slot 1"), 1);

    AppHarness chime;
    chime.app.settings.chime.zhengdian.set_value(1);
    chime.clock.set(2026, 12, 7, 23, 59, 59.8);
    chime.run(3);
    EXPECT_EQ(chime.observer.count("fire chime"), 1);
}

TEST(ReminderTick, LowestDueSlotFiresAndTheLastDueTextWins) {
    AppHarness h;
    h.set_alarm(4, 9, 0);
    h.set_alarm(2, 9, 0).dingshi_text.set_text("first");
    h.slot(4).dingshi_text.set_text("second");
    h.clock.set_time(8, 59, 59.9);
    h.run(3);
    EXPECT_EQ(h.observer.events, std::vector<std::string>{"fire slot 2"});
    EXPECT_EQ(h.app.Form2.Tag(), "定时2");
    EXPECT_EQ(h.app.Form2.alarm_text(), "second");
}

TEST(ReminderTick, GuardRefusedSlotStillArmsItsShutdown) {
    AppHarness h;
    h.set_alarm(1, 9, 0);
    h.set_alarm(2, 9, 0).dingshi_guanji.set_value(1);
    h.clock.set_time(8, 59, 59.9);
    h.run(0.4);
    EXPECT_EQ(h.observer.events,
              (std::vector<std::string>{"fire slot 1", "shutdown-state 准备关机"}));
}

TEST(ReminderTick, AlarmBeforeChimeInTheSameMinute) {
    AppHarness h;
    h.set_alarm(50, 10, 0);
    h.app.settings.chime.zhengdian.set_value(1);
    h.app.settings.chime.zhengdian_jiange.set_text("60");
    h.clock.set_time(9, 59, 59.9);
    h.run(4);
    EXPECT_EQ(h.observer.events, std::vector<std::string>{"fire slot 50"});
}

TEST(ReminderTick, EveryMinuteChimeFiresOncePerMinute) {
    AppHarness h;
    h.app.settings.chime.zhengdian.set_value(1);
    h.app.settings.chime.zhengdian_jiange.set_text("1");
    h.clock.set_time(9, 59, 59.9);
    h.run(125);
    EXPECT_EQ(h.observer.count("fire chime"), 3);  // 10:00, 10:01, 10:02
}

TEST(ReminderTick, EveryHourRule) {
    AppHarness h;
    h.set_alarm(1, 24, 15);  // "全部"
    h.clock.set_time(0, 0, 0);
    for (int hour = 0; hour < 24; ++hour) {
        h.clock.set_time(hour, 14, 59.9);
        h.run(2);
    }
    EXPECT_EQ(h.observer.count("fire slot 1"), 24);
}

TEST(ReminderTick, DayRulesDecideTheDay) {
    AppHarness h;
    h.set_alarm(1, 6, 45).dingshi_riqi.caption = "星期6,日";
    h.set_alarm(2, 6, 45).dingshi_riqi.caption = "星期";
    h.set_alarm(3, 6, 45).dingshi_riqi.caption = "2026/12/9";
    std::vector<std::string> fired_per_day;
    for (int day = 7; day <= 13; ++day) {  // Monday to Sunday
        h.observer.events.clear();
        h.clock.set(2026, 12, day, 6, 44, 59.9);
        h.run(2);
        h.app.reminder_tick.fireGuardTime.reset();  // each day on its own
        fired_per_day.push_back(h.observer.events.empty() ? "-" : h.observer.events.front());
    }
    EXPECT_EQ(fired_per_day, (std::vector<std::string>{"-", "-", "fire slot 3", "-", "-",
                                                       "fire slot 1", "fire slot 1"}));
}

TEST(ReminderTick, ChimeIntervals) {
    struct Case {
        const char* interval;
        std::vector<int> minutes;
    };
    const Case cases[] = {{"60", {0}},
                          {"45", {0, 45}},
                          {"7", {0, 7, 14, 21, 28, 35, 42, 49, 56}},
                          {"0", {}},
                          {"", {}}};
    for (const Case& c : cases) {
        AppHarness h;
        h.app.settings.chime.zhengdian.set_value(1);
        set_quietly(h.app.settings.chime.zhengdian_jiange, c.interval);
        std::vector<int> chimed;
        for (int minute = 0; minute < 60; ++minute) {
            h.observer.events.clear();
            h.clock.set_time(minute == 0 ? 10 : 11, minute, 0.1);
            h.app.reminder_tick.fireGuardTime.reset();
            h.run(0.2);
            if (!h.observer.events.empty()) chimed.push_back(minute);
        }
        EXPECT_EQ(chimed, c.minutes) << c.interval;
    }
}

TEST(ReminderTick, NothingFiresDuringACountdown) {
    AppHarness h;
    h.set_alarm(1, 22, 0).dingshi_guanji.set_value(1);
    h.set_alarm(2, 22, 1);
    h.app.settings.chime.zhengdian.set_value(1);
    h.app.settings.chime.zhengdian_jiange.set_text("1");
    h.clock.set_time(21, 59, 59.9);
    h.run(90);
    EXPECT_EQ(h.observer.count("fire slot 1"), 1);
    EXPECT_EQ(h.observer.count("fire slot 2"), 0);
    EXPECT_EQ(h.observer.count("fire chime"), 0);
}

TEST(ReminderTick, TwelveHourClockTextsFireAtTheRightHour) {
    AppHarness h;
    h.clock.time_style = platform::FakeClock::TimeStyle::kMarkerFirst;
    h.set_alarm(1, 13, 5);
    h.set_alarm(2, 0, 5);
    h.clock.set_time(13, 4, 59.9);
    h.run(2);
    h.clock.set_time(0, 4, 59.9);
    h.run(2);
    EXPECT_EQ(h.observer.events, (std::vector<std::string>{"fire slot 1", "fire slot 2"}));
}

TEST(ReminderTick, ButtonAndTrayItemFollowTheState) {
    AppHarness h;
    auto& prompt = h.app.Form2;
    h.run(0.2);
    EXPECT_FALSE(prompt.Command1.visible);
    EXPECT_TRUE(prompt.Label2.visible);
    EXPECT_EQ(h.app.Form1.wenjian1[2].caption, "打开提示窗口(&K)");

    h.app.sound.Mp3Play2.Tag = "自定义";
    prompt.show();
    h.run(0.2);
    EXPECT_TRUE(prompt.Command1.visible);
    EXPECT_EQ(prompt.Command1.caption, "点击停止播放");
    EXPECT_FALSE(prompt.Label2.visible);
    EXPECT_EQ(h.app.Form1.wenjian1[2].caption, "关闭提示窗口(&K)");

    h.app.shared.set_shifouguanji("准备关机");
    h.app.shared.guanjiyanshi = h.clock.seconds_since_midnight();
    h.run(0.2);
    EXPECT_EQ(prompt.Command1.caption, "点击取消关机");  // the countdown takes precedence

    h.app.shared.set_shifouguanji("");
    h.app.sound.Mp3Play2.Tag.clear();
    prompt.set_Tag("整点报时");
    prompt.hide();
    h.run(0.2);
    EXPECT_FALSE(prompt.Command1.visible);
    EXPECT_EQ(prompt.Tag(), "现在时间");  // a hidden window falls back to the time display
}

TEST(DisplayTick, CaptionTipLabelAndLunarLine) {
    AppHarness h;
    h.clock.set(2026, 12, 7, 21, 5, 9);
    h.app.Timer2_Timer();
    const std::string lunar = "马[丙午年]十月十九 射手座";
    EXPECT_EQ(h.app.Form1.Caption, "Tockly 1.00 2026年12月7日 21:05:09 星期一 " + lunar);
    EXPECT_EQ(h.app.Form1.Tag(), "2026年12月7日 21:05:09 星期一 " + lunar);
    EXPECT_EQ(h.app.Form1.today_label.caption, "今天：2026年12月7日 21:05:09 星期一 " + lunar);
    EXPECT_EQ(h.app.Form2.Label1[3].caption, lunar + " 星期一");
    ASSERT_FALSE(h.calendar.asked.empty());
    EXPECT_EQ(h.calendar.asked.front(), common::OleDate::from_ymd(2026, 12, 7));
}

TEST(DisplayTick, WithoutTheCalendarControlTheAlmanacTextIsLeftOut) {
    AppHarness h;
    h.calendar.year = h.calendar.month = h.calendar.day_name = "";
    h.calendar.animal = h.calendar.constellation = "";
    h.clock.set(2026, 12, 7, 21, 5, 9);
    h.app.Timer2_Timer();
    EXPECT_EQ(h.app.Form1.Tag(), "2026年12月7日 21:05:09 星期一");
    EXPECT_EQ(h.app.Form2.Label1[3].caption, "星期一");
}

TEST(DisplayTick, HotkeyAnnouncesWhileHeldAndOnlyWhenActive) {
    AppHarness h;
    auto& options = h.app.settings.options;
    h.keyboard.down.insert(119);  // F8
    options.rejian.set_list_index(7);
    h.app.Timer2_Timer();
    EXPECT_TRUE(h.player1.played.empty());  // option off
    options.Check3[2].set_value(1);
    h.app.Timer2_Timer();
    EXPECT_EQ(h.player1.played, std::vector<std::string>{h.clip("sy\\s8z")});
    options.rejian.set_list_index(-1);
    h.app.Timer2_Timer();
    EXPECT_EQ(h.player1.played.size(), 1u);
}

}  // namespace
}  // namespace tockly::testing
