#include "tockly/pages/date_chooser.h"

#include <gtest/gtest.h>

#include "tests/tockly/pages/pages_harness.h"

namespace tockly::testing {
namespace {

using common::OleDate;

struct DateChooserTest : ::testing::Test, PagesHarness {
    DateChooserTest() { Moonleaf2.value = OleDate::from_ymd(2026, 1, 20); }

    // Opens the chooser on slot `number` holding `rule`.
    void open(int number, const std::string& rule) {
        slot(number).dingshi_riqi.caption = rule;
        chooser.dingshi_riqi_Click(number - 1);
    }
    // The weekday ticks, Monday first, as "1010000".
    std::string ticks() {
        std::string out;
        for (int d = 0; d < 7; ++d)
            out += chooser.Check1[static_cast<size_t>(d)].checked() ? '1' : '0';
        return out;
    }
    bool custom() { return chooser.Check1[pages::kCustomDateBox].checked(); }
    bool weekdays_enabled() { return chooser.Check1[0].enabled; }
    void click(int i, int value) { chooser.Check1[static_cast<size_t>(i)].set_value(value); }
    const std::string& label() { return chooser.xuanzeriqi.caption; }

    pages::DateChooser& chooser = pages.date_chooser;
};

TEST_F(DateChooserTest, OpeningShowsTheSlotsRuleWhateverWasOpenBefore) {
    struct Case {
        std::string before, rule, ticks;
        bool custom;
        OleDate calendar;
    };
    const OleDate today = OleDate::from_ymd(2026, 12, 7);
    const OleDate untouched = OleDate::from_ymd(2026, 1, 20);
    const Case cases[] = {
        {"星期1,2", "每天", "1111111", false, today},
        {"每天", "星期1,3", "1010000", false, today},
        {"星期1", "星期日", "0000001", false, today},
        {"星期3", "星期6,日", "0000011", false, today},
        {"星期1,3", "2010/5/1", "1010000", true, OleDate::from_ymd(2010, 5, 1)},
        {"星期1,3", "2010-05-01", "1010000", true, OleDate::from_ymd(2010, 5, 1)},
        {"每天", "星期", "0000000", true, untouched},
        {"每天", "星期8,9", "0000000", true, untouched},
        {"星期2", "明天", "0100000", true, untouched},
    };
    for (const Case& c : cases) {
        Moonleaf2.value = untouched;
        open(3, c.before);
        chooser.Command2_Click(1);
        Moonleaf2.value = untouched;
        open(5, c.rule);
        EXPECT_EQ(label(), c.rule);
        EXPECT_EQ(chooser.xuanzeriqi.tag, "4");
        EXPECT_EQ(ticks(), c.ticks) << c.rule;
        EXPECT_EQ(custom(), c.custom) << c.rule;
        EXPECT_EQ(weekdays_enabled(), !c.custom) << c.rule;
        EXPECT_EQ(Moonleaf2.value, c.calendar) << c.rule;
        EXPECT_TRUE(chooser.Frame7.visible);
    }
}

TEST_F(DateChooserTest, WeekdayBoxesBuildTheRule) {
    open(1, "星期1");
    for (int d = 1; d < 7; ++d) click(d, 1);
    EXPECT_EQ(label(), "每天");
    for (int d = 0; d < 5; ++d) click(d, 0);
    EXPECT_EQ(label(), "星期6,日");
    click(5, 0);
    EXPECT_EQ(label(), "星期日");
}

TEST_F(DateChooserTest, NoWeekdayLeftMeansTheCustomDate) {
    open(1, "星期4");
    click(3, 0);
    EXPECT_TRUE(custom());
    EXPECT_FALSE(weekdays_enabled());
    EXPECT_EQ(label(), "2026/12/7");  // a weekday rule opens the calendar on today

    click(pages::kCustomDateBox, 0);
    EXPECT_EQ(ticks(), "1111111");
    EXPECT_TRUE(weekdays_enabled());
    EXPECT_EQ(label(), "每天");
}

TEST_F(DateChooserTest, CalendarClickPicksItsDateInTheClocksFormat) {
    clock.date_style = platform::FakeClock::DateStyle::kDashesPadded;
    open(1, "星期1,2");
    Moonleaf2.value = OleDate::from_ymd(2027, 3, 9);
    Moonleaf2.Click();
    EXPECT_TRUE(custom());
    EXPECT_FALSE(weekdays_enabled());
    EXPECT_EQ(label(), "2027-03-09");
    EXPECT_EQ(ticks(), "1100000");  // kept, only disabled
}

TEST_F(DateChooserTest, OkStoresTheRuleAndCancelKeepsTheOldOne) {
    open(9, "星期1");
    click(2, 1);
    chooser.Command2_Click(1);
    EXPECT_FALSE(chooser.Frame7.visible);
    EXPECT_EQ(slot(9).dingshi_riqi.caption, "星期1");

    chooser.dingshi_riqi_Click(8);
    click(2, 1);
    chooser.Command2_Click(0);
    EXPECT_FALSE(chooser.Frame7.visible);
    EXPECT_EQ(slot(9).dingshi_riqi.caption, "星期1,3");
}

TEST_F(DateChooserTest, OfficialAndLunarRulesOpenAsTheyWereChosen) {
    struct Case {
        std::string rule;
        bool workdays, holidays, lunar;
        int yearly_or_monthly, month, day;
    };
    // After a lunar rule, so that the lists show each rule's own choice.
    const Case cases[] = {
        {"法定工作日", true, false, false, 0, 0, 0},
        {"法定节假日", false, true, false, 0, 0, 0},
        {"农历八月十五", false, false, true, 0, 7, 14},
        {"农历闰四月初八", false, false, true, 0, 15, 7},
        {"农历十一月初一", false, false, true, 0, 10, 0},
        {"农历每月三十", false, false, true, 1, 0, 29},  // the month list left as it was
    };
    for (const Case& c : cases) {
        open(1, "农历正月初一");
        chooser.Command2_Click(1);
        open(2, c.rule);
        EXPECT_EQ(label(), c.rule);
        EXPECT_EQ(chooser.fading[0].checked(), c.workdays) << c.rule;
        EXPECT_EQ(chooser.fading[1].checked(), c.holidays) << c.rule;
        EXPECT_EQ(chooser.nongli.checked(), c.lunar) << c.rule;
        EXPECT_FALSE(custom()) << c.rule;
        EXPECT_FALSE(weekdays_enabled()) << c.rule;
        EXPECT_EQ(chooser.nongli_ri.enabled, c.lunar) << c.rule;
        if (!c.lunar) continue;
        EXPECT_EQ(chooser.nongli_zhouqi.list_index(), c.yearly_or_monthly) << c.rule;
        EXPECT_EQ(chooser.nongli_yue.list_index(), c.month) << c.rule;
        EXPECT_EQ(chooser.nongli_ri.list_index(), c.day) << c.rule;
        EXPECT_EQ(chooser.nongli_yue.enabled, c.yearly_or_monthly == 0) << c.rule;
        chooser.Command2_Click(0);
        EXPECT_EQ(slot(2).dingshi_riqi.caption, c.rule);  // kept as stored
    }
}

TEST_F(DateChooserTest, OfficialAndLunarBoxesBuildTheirRulesAndExcludeTheOthers) {
    open(1, "星期1");
    chooser.nongli.set_value(1);
    EXPECT_EQ(label(), "农历正月初一");
    EXPECT_FALSE(weekdays_enabled());
    chooser.nongli_yue.set_list_index(15);
    chooser.nongli_ri.set_list_index(7);
    EXPECT_EQ(label(), "农历闰四月初八");
    chooser.nongli_zhouqi.set_list_index(1);
    EXPECT_EQ(label(), "农历每月初八");
    EXPECT_FALSE(chooser.nongli_yue.enabled);

    chooser.fading[1].set_value(1);
    EXPECT_FALSE(chooser.nongli.checked());
    EXPECT_FALSE(chooser.nongli_ri.enabled);
    EXPECT_EQ(label(), "法定节假日");
    chooser.fading[0].set_value(1);
    EXPECT_FALSE(chooser.fading[1].checked());
    EXPECT_EQ(label(), "法定工作日");
    Moonleaf2.value = OleDate::from_ymd(2027, 3, 9);
    Moonleaf2.Click();
    EXPECT_FALSE(chooser.fading[0].checked());
    EXPECT_EQ(label(), "2027/3/9");
    click(pages::kCustomDateBox, 0);
    EXPECT_EQ(label(), "每天");
    EXPECT_TRUE(weekdays_enabled());
    chooser.Command2_Click(0);
    EXPECT_EQ(slot(1).dingshi_riqi.caption, "每天");
}

TEST_F(DateChooserTest, AChosenDateFiresOnThatDayOnly) {
    open(2, "星期1");
    Moonleaf2.value = OleDate::from_ymd(2026, 12, 8);
    Moonleaf2.Click();
    chooser.Command2_Click(0);
    set_alarm(2, 6, 45);
    for (int day : {7, 8}) {
        clock.set(2026, 12, day, 6, 44, 59.9);
        run(0.2);
    }
    EXPECT_EQ(observer.events, std::vector<std::string>{"fire slot 2"});
    EXPECT_EQ(clock.short_date_text(), "2026/12/8");
}

}  // namespace
}  // namespace tockly::testing
