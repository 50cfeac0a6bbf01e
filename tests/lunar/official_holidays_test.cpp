#include "moonleaf/lunar/official_holidays.h"

#include <gtest/gtest.h>

namespace moonleaf {
namespace {

using common::OleDate;

const HolidaySchedule& schedule() {
    return HolidaySchedule::built_in();
}

// Each notice's days, and the rule every notice keeps: the weekdays it gives off, less the
// weekend days it makes workdays, are exactly the statutory holidays of that year (10 before
// 2008, 11 from 2008, 13 from 2025), plus the days a notice added.
TEST(HolidaySchedule, EveryNoticeGivesItsDaysAndBalancesItsMakeupWorkdays) {
    const struct {
        int year, off_days, makeup_days, statutory;
    } notices[] = {
        {2004, 22, 6, 10}, {2005, 24, 6, 10},
        {2006, 24, 7, 10}, {2007, 24, 8, 10},
        {2008, 29, 6, 11}, {2009, 27, 6, 11},
        {2010, 29, 8, 11}, {2011, 29, 5, 11},
        {2012, 27, 7, 11}, {2013, 29, 12, 11},
        {2014, 27, 5, 11}, {2015, 31, 5, 12},  // 9月3日, the 70th anniversary of the victory
        {2016, 29, 6, 11}, {2017, 27, 5, 11},
        {2018, 29, 6, 11}, {2019, 30, 7, 11},
        {2020, 30, 6, 13},  // 春节 extended by 31 January and the makeup 1 February
        {2021, 31, 7, 11}, {2022, 31, 7, 11},
        {2023, 27, 7, 11}, {2024, 32, 8, 11},
        {2025, 28, 5, 13}, {2026, 33, 6, 13},
    };
    std::vector<int> years;
    for (const auto& notice : notices) {
        years.push_back(notice.year);
        int off = 0, makeup = 0, weekdays_off = 0;
        for (const ScheduledDay& day : schedule().days_of(notice.year)) {
            const int weekday = OleDate::from_ymd(day.date).weekday();
            const bool weekend = weekday == 0 || weekday == 6;
            if (day.kind == DayKind::OffDay) {
                ++off;
                weekdays_off += weekend ? 0 : 1;
                EXPECT_FALSE(day.name.empty()) << OleDate::from_ymd(day.date).iso();
            } else {
                ++makeup;
                EXPECT_TRUE(weekend) << OleDate::from_ymd(day.date).iso();
            }
        }
        EXPECT_EQ(off, notice.off_days) << notice.year;
        EXPECT_EQ(makeup, notice.makeup_days) << notice.year;
        EXPECT_EQ(weekdays_off - makeup, notice.statutory) << notice.year;
    }
    EXPECT_EQ(schedule().published_years(), years);
}

TEST(HolidaySchedule, DaysAsTheNoticesGiveThem) {
    const struct {
        int y, m, d;
        DayKind kind;
        const char* name;
    } days[] = {
        {2026, 9, 20, DayKind::MakeupWorkday, ""},
        {2026, 9, 30, DayKind::Ordinary, ""},
        {2026, 10, 1, DayKind::OffDay, "国庆节"},
        {2026, 10, 7, DayKind::OffDay, "国庆节"},
        {2026, 10, 8, DayKind::Ordinary, ""},
        {2026, 10, 10, DayKind::MakeupWorkday, ""},
        {2026, 9, 25, DayKind::OffDay, "中秋节"},
        {2026, 2, 15, DayKind::OffDay, "春节"},
        {2026, 2, 23, DayKind::OffDay, "春节"},
        {2020, 1, 19, DayKind::MakeupWorkday, ""},
        {2020, 1, 24, DayKind::OffDay, "春节"},
        {2020, 2, 1, DayKind::OffDay, "春节"},  // a makeup workday until the extension
        {2020, 2, 2, DayKind::OffDay, "春节"},
        {2020, 2, 3, DayKind::Ordinary, ""},
        {2023, 9, 29, DayKind::OffDay, "中秋节、国庆节"},
        {2025, 10, 8, DayKind::OffDay, "国庆节、中秋节"},
        {2015, 9, 3, DayKind::OffDay, "抗战胜利70周年纪念日"},
        {2015, 9, 6, DayKind::MakeupWorkday, ""},
        {2019, 5, 4, DayKind::OffDay, "劳动节"},  // as the change of March 2019 has it
        // December dates of the next year's 元旦 arrangement.
        {2005, 12, 31, DayKind::MakeupWorkday, ""},
        {2016, 12, 31, DayKind::OffDay, "元旦"},
        {2023, 12, 30, DayKind::OffDay, "元旦"},
        // Unpublished: before the first notice and after the last.
        {2003, 12, 31, DayKind::Ordinary, ""},
        {2027, 1, 1, DayKind::Ordinary, ""},
    };
    for (const auto& d : days) {
        const ScheduledDay day = schedule().day(OleDate::from_ymd(d.y, d.m, d.d));
        EXPECT_EQ(day.kind, d.kind) << d.y << "-" << d.m << "-" << d.d;
        EXPECT_EQ(day.name, d.name) << d.y << "-" << d.m << "-" << d.d;
    }
    EXPECT_EQ(schedule().day(OleDate(OleDate::from_ymd(2026, 10, 1).serial() + 0.75)).name,
              "国庆节");
}

TEST(HolidaySchedule, OfficialWorkdaysFollowTheNoticeElseMondayToFriday) {
    const auto workday = [](int y, int m, int d) {
        return schedule().is_official_workday(OleDate::from_ymd(y, m, d));
    };
    EXPECT_TRUE(workday(2026, 9, 30));    // Wednesday
    EXPECT_FALSE(workday(2026, 10, 5));   // Monday off
    EXPECT_TRUE(workday(2026, 10, 10));   // makeup Saturday
    EXPECT_FALSE(workday(2026, 10, 11));  // Sunday
    EXPECT_TRUE(workday(2026, 10, 9));    // Friday
    EXPECT_FALSE(workday(2025, 1, 1));
    EXPECT_TRUE(workday(2027, 1, 1));  // unknown year: a Friday
    EXPECT_FALSE(workday(2027, 1, 2));
    EXPECT_FALSE(schedule().is_published(2027));
    EXPECT_FALSE(schedule().is_published(2003));
}

TEST(HolidaySchedule, ReplacedYearsAreWholeAndKeepTheirOwnDaysOnly) {
    HolidaySchedule changed = schedule();
    changed.replace_years({
        {2026,
         {{{2026, 10, 9}, DayKind::OffDay, "国庆节"}, {{2026, 1, 1}, DayKind::OffDay, "元旦"}}},
        {2027, {{{2026, 12, 31}, DayKind::OffDay, "元旦"}, {{2027, 3, 1}, DayKind::OffDay, "X"}}},
    });
    EXPECT_EQ(changed.day(OleDate::from_ymd(2026, 10, 1)).kind, DayKind::Ordinary);
    EXPECT_EQ(changed.day(OleDate::from_ymd(2026, 10, 9)).name, "国庆节");
    EXPECT_EQ(changed.days_of(2026).front().date, (common::YearMonthDay{2026, 1, 1}));
    EXPECT_EQ(changed.day(OleDate::from_ymd(2026, 12, 31)).name, "元旦");
    EXPECT_EQ(changed.days_of(2027).size(), 2u);
    EXPECT_EQ(changed.days_of(2025), schedule().days_of(2025));

    changed.replace_years({{2028, {{{2027, 3, 1}, DayKind::OffDay, "另一年的"}}}});
    EXPECT_TRUE(changed.is_published(2028));
    EXPECT_TRUE(changed.days_of(2028).empty());
    EXPECT_EQ(changed.day(OleDate::from_ymd(2027, 3, 1)).name, "X");
}

}  // namespace
}  // namespace moonleaf
