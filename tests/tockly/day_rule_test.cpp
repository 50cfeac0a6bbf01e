#include "tockly/engine/day_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tockly/model/lunar_rule.h"
#include "tockly/platform/fakes/fake_clock.h"
#include "tockly/platform/fakes/lunar_calendar_control.h"

namespace tockly::engine {
namespace {

using common::OleDate;

struct DayRules {
    platform::FakeClock clock;
    platform::LunarCalendarControl calendar;
    UnpublishedYearNotice notice;
    DayRuleServices services{clock, calendar, moonleaf::HolidaySchedule::built_in(), notice};

    bool matches(const std::string& rule, int year, int month, int day) {
        return day_rule_matches(rule, OleDate::from_ymd(year, month, day), services);
    }
    // Every day of the years on which the rule fires, as "yyyy-mm-dd".
    std::vector<std::string> firing_days(const std::string& rule, int first_year, int last_year) {
        std::vector<std::string> days;
        for (OleDate d = OleDate::from_ymd(first_year, 1, 1);
             d <= OleDate::from_ymd(last_year, 12, 31); d = OleDate::from_day(d.day() + 1))
            if (day_rule_matches(rule, d, services)) days.push_back(d.iso());
        return days;
    }
};

TEST(DayRule, EveryDayWeekdaysAndDatesInAnyShortForm) {
    DayRules rules;
    rules.clock.date_style = platform::FakeClock::DateStyle::kDashesPadded;
    struct Row {
        const char* rule;
        int year, month, day;
        bool fires;
    };
    // 2026-12-07 is a Monday.
    const Row rows[] = {
        {"每天", 2026, 12, 9, true},
        {"星期1,2,3,4,5", 2026, 12, 7, true},
        {"星期1,2,3,4,5", 2026, 12, 12, false},
        {"星期6,日", 2026, 12, 12, true},
        {"星期6,日", 2026, 12, 13, true},
        {"星期6,日", 2026, 12, 11, false},
        {"星期", 2026, 12, 9, false},
        {" 2026/12/9 ", 2026, 12, 9, true},
        {"2026/12/09", 2026, 12, 9, true},
        {"2026-12-9", 2026, 12, 9, true},
        {"2010-05-01", 2010, 5, 1, true},
        {"2010/5/1", 2010, 5, 1, true},
        {"2026/12/9", 2026, 12, 10, false},
        {"2026-12/9", 2026, 12, 9, false},
        {"2026/2/30", 2026, 3, 2, false},
        {"26/12/9", 2026, 12, 9, false},
        {"", 2026, 12, 9, false},
        {"农历", 2026, 12, 9, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(rules.matches(row.rule, row.year, row.month, row.day), row.fires)
            << row.rule << " on " << row.year << "-" << row.month << "-" << row.day;
}

// The 2026 国庆 and 中秋 week (10-01 to 10-07 off) with its makeup Sunday 09-20 and Saturday 10-10.
TEST(DayRule, OfficialWorkdaysFollowTheNoticeAndHolidaysAreTheirComplement) {
    DayRules rules;
    // Every day of the published years 2015 to 2026 is exactly one of the two.
    const moonleaf::HolidaySchedule& schedule = moonleaf::HolidaySchedule::built_in();
    for (OleDate d = OleDate::from_ymd(2015, 1, 1); d <= OleDate::from_ymd(2026, 11, 30);
         d = OleDate::from_day(d.day() + 1)) {
        const bool workday = day_rule_matches("法定工作日", d, rules.services);
        ASSERT_EQ(workday, schedule.is_official_workday(d)) << d.iso();
        ASSERT_NE(workday, day_rule_matches("法定节假日", d, rules.services)) << d.iso();
    }
    EXPECT_EQ(rules.notice.take(), "");
    struct Row {
        int month, day;
        bool works;
    };
    const Row rows[] = {{9, 18, true},  {9, 19, false}, {9, 20, true},  {9, 30, true},
                        {10, 1, false}, {10, 2, false}, {10, 5, false}, {10, 7, false},
                        {10, 9, true},  {10, 10, true}, {10, 11, false}};
    for (const Row& row : rows)
        EXPECT_EQ(rules.matches("法定工作日", 2026, row.month, row.day), row.works)
            << row.month << "-" << row.day;
}

TEST(DayRule, AnUnpublishedYearGoesByMondayToFridayAndIsToldOnce) {
    DayRules rules;
    // December 2026 belongs to the 2027 notice, not published.
    const std::string notice_2027 = " 2027年的节假日安排尚未公布，按周一至周五提醒";
    EXPECT_TRUE(rules.matches("法定工作日", 2026, 12, 9));
    EXPECT_EQ(rules.notice.take(), notice_2027);
    // The alarm's text is shown again in the following ticks of that day, the notice with it.
    EXPECT_TRUE(rules.matches("法定工作日", 2026, 12, 9));
    EXPECT_EQ(rules.notice.take(), notice_2027);
    EXPECT_FALSE(rules.matches("法定工作日", 2026, 12, 12));
    EXPECT_EQ(rules.notice.take(), "");
    EXPECT_TRUE(rules.matches("法定节假日", 2027, 1, 2));
    EXPECT_EQ(rules.notice.take(), "");
    EXPECT_TRUE(rules.matches("法定工作日", 2028, 1, 3));
    EXPECT_EQ(rules.notice.take(), " 2028年的节假日安排尚未公布，按周一至周五提醒");
}

// The Gregorian dates of 春节 2015-2026 and of 中秋 2015-2026.
const std::vector<std::string> kSpringFestivals = {
    "2015-02-19", "2016-02-08", "2017-01-28", "2018-02-16", "2019-02-05", "2020-01-25",
    "2021-02-12", "2022-02-01", "2023-01-22", "2024-02-10", "2025-01-29", "2026-02-17"};
const std::vector<std::string> kMidAutumns = {
    "2015-09-27", "2016-09-15", "2017-10-04", "2018-09-24", "2019-09-13", "2020-10-01",
    "2021-09-21", "2022-09-10", "2023-09-29", "2024-09-17", "2025-10-06", "2026-09-25"};

TEST(DayRule, YearlyLunarRulesFireOnTheirDayAndOnTheLastDayOfAShortMonth) {
    DayRules rules;
    EXPECT_EQ(rules.firing_days("农历正月初一", 2015, 2026), kSpringFestivals);
    EXPECT_EQ(rules.firing_days("农历一月初一", 2015, 2026), kSpringFestivals);
    EXPECT_EQ(rules.firing_days("农历八月十五", 2015, 2026), kMidAutumns);
    // 除夕 is 腊月三十, or 廿九 when 腊月 is short (2025, 2026): the eve of each 春节.
    std::vector<std::string> eves;
    for (const std::string& day : kSpringFestivals) {
        const OleDate festival = OleDate::from_ymd(
            std::stoi(day.substr(0, 4)), std::stoi(day.substr(5, 2)), std::stoi(day.substr(8, 2)));
        eves.push_back(OleDate::from_day(festival.day() - 1).iso());
    }
    EXPECT_EQ(rules.firing_days("农历腊月三十", 2015, 2026), eves);
    EXPECT_EQ(rules.firing_days("农历十二月三十", 2015, 2026), eves);
}

// 2020 has a leap fourth month (闰四月初一 is 2020-05-23), 2023 a leap second month.
TEST(DayRule, LeapRulesFireInTheLeapMonthWhereTheYearHasOne) {
    DayRules rules;
    const std::vector<std::string> ordinary = rules.firing_days("农历四月初八", 2019, 2021);
    EXPECT_EQ(ordinary, (std::vector<std::string>{"2019-05-12", "2020-04-30", "2021-05-19"}));
    EXPECT_EQ(rules.firing_days("农历闰四月初八", 2019, 2021),
              (std::vector<std::string>{"2019-05-12", "2020-05-30", "2021-05-19"}));
    // The leap month is never the ordinary rule's.
    EXPECT_FALSE(rules.matches("农历二月初一", 2023, 3, 22));
    EXPECT_TRUE(rules.matches("农历闰二月初一", 2023, 3, 22));
    EXPECT_TRUE(rules.matches("农历二月初一", 2023, 2, 20));
    EXPECT_FALSE(rules.matches("农历闰二月初一", 2023, 2, 20));
}

TEST(DayRule, MonthlyLunarRulesFireInEveryMonthLeapMonthsIncluded) {
    DayRules rules;
    // The year 庚子 runs from 2020-01-25 to 2021-02-11 with thirteen months.
    int months = 0;
    for (OleDate d = OleDate::from_ymd(2020, 1, 25); d <= OleDate::from_ymd(2021, 2, 11);
         d = OleDate::from_day(d.day() + 1))
        months += day_rule_matches("农历每月初一", d, rules.services) ? 1 : 0;
    EXPECT_EQ(months, 13);
    EXPECT_TRUE(rules.matches("农历每月初一", 2020, 5, 23));
    // Every month's last day answers 三十, whether it has 29 days or 30.
    EXPECT_EQ(rules.firing_days("农历每月三十", 2020, 2020).size(), 12u);
}

TEST(LunarRule, TextsReadBothMonthFormsAndWriteTheCustomaryOne) {
    using model::LunarRule;
    struct Row {
        const char* text;
        std::optional<LunarRule> rule;
        const char* written;
    };
    const Row rows[] = {
        {"农历八月十五", LunarRule{false, false, 8, 15}, "农历八月十五"},
        {"农历正月初一", LunarRule{false, false, 1, 1}, "农历正月初一"},
        {"农历十一月廿三", LunarRule{false, false, 11, 23}, "农历冬月廿三"},
        {"农历冬月廿三", LunarRule{false, false, 11, 23}, "农历冬月廿三"},
        {"农历十二月三十", LunarRule{false, false, 12, 30}, "农历腊月三十"},
        {"农历闰四月初八", LunarRule{false, true, 4, 8}, "农历闰四月初八"},
        {"农历每月初一", LunarRule{true, false, 0, 1}, "农历每月初一"},
        {"农历每月二十", LunarRule{true, false, 0, 20}, "农历每月二十"},
        {"农历八月", std::nullopt, ""},
        {"农历十三月初一", std::nullopt, ""},
        {"农历八月十五日", std::nullopt, ""},
        {"农历每月闰初一", std::nullopt, ""},
        {"八月十五", std::nullopt, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(model::parse_lunar_rule(row.text), row.rule) << row.text;
        if (row.rule) {
            EXPECT_EQ(model::lunar_rule_text(*row.rule), row.written);
        }
    }
}

}  // namespace
}  // namespace tockly::engine
