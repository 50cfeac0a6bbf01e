#include "moonleaf/lunar/holiday_text.h"

#include <gtest/gtest.h>

namespace moonleaf {
namespace {

TEST(HolidayText, EveryBuiltInYearWritesAndReadsBack) {
    const HolidaySchedule& schedule = HolidaySchedule::built_in();
    for (const int year : schedule.published_years()) {
        const std::optional<std::string> text = holiday_text_of_year(schedule, year);
        ASSERT_TRUE(text) << year;
        const HolidayText read = parse_holiday_text(*text);
        EXPECT_TRUE(read.damaged_lines.empty()) << year;
        ASSERT_EQ(read.notices.size(), 1u) << year;
        EXPECT_EQ(read.notices.begin()->first, year);
        EXPECT_EQ(read.notices.begin()->second, schedule.days_of(year)) << year;
    }
    EXPECT_FALSE(holiday_text_of_year(schedule, 2027));
}

TEST(HolidayText, WritesOneLineADate) {
    HolidaySchedule schedule;
    schedule.replace_years(
        {{2027,
          {{{2027, 1, 1}, DayKind::OffDay, "元旦"}, {{2027, 2, 7}, DayKind::MakeupWorkday, {}}}}});
    EXPECT_EQ(holiday_text_of_year(schedule, 2027),
              "# 2027年节假日安排\n2027-01-01 休 元旦\n2027-02-07 班\n");
}

TEST(HolidayText, ReadsCommentsBlanksTabsAndWindowsLineEnds) {
    const HolidayText read = parse_holiday_text(
        "\xEF\xBB\xBF# 2027\r\n\r\n2027-01-01\t休\t元旦\r\n   2027-02-07  班  \r\n"
        "2026-12-31 休 国庆节、中秋节");
    EXPECT_TRUE(read.damaged_lines.empty());
    ASSERT_EQ(read.notices.size(), 1u);
    const std::vector<ScheduledDay> expected = {
        {{2027, 1, 1}, DayKind::OffDay, "元旦"},
        {{2027, 2, 7}, DayKind::MakeupWorkday, {}},
        {{2026, 12, 31}, DayKind::OffDay, "国庆节、中秋节"},
    };
    EXPECT_EQ(read.notices.at(2027), expected);
}

TEST(HolidayText, DamagedLinesAreSkippedAndNamedByNumber) {
    const char* const damaged[] = {
        "2027-02-30 班",
        "2027-1-1 休 元旦",
        "2027-01-01 休",
        "2027-01-01 放 元旦",
        "2027-01-01休 元旦",
        "2027-02-07 班 多余",
        "2027-01-01 休 元\x01旦",
        "2027-01-01 休 \xE5\x85",
        "2027-01-01 休 \xC0\x80",
        "2027-01-01 休 一二三四五六七八九十一二三四五六七",
        "休 元旦",
        "20270101 班",
    };
    std::string text = "2027-05-01 休 劳动节\n";
    for (const char* line : damaged) text.append(line).append("\n");
    text += "2027-05-01 班\n2027-05-02 休 劳动节\n";
    const HolidayText read = parse_holiday_text(text);
    std::vector<int> expected_lines;
    for (int line = 2; line <= static_cast<int>(std::size(damaged)) + 2; ++line)
        expected_lines.push_back(line);
    EXPECT_EQ(read.damaged_lines, expected_lines);
    const std::vector<ScheduledDay> kept = {{{2027, 5, 1}, DayKind::OffDay, "劳动节"},
                                            {{2027, 5, 2}, DayKind::OffDay, "劳动节"}};
    EXPECT_EQ(read.notices.at(2027), kept);
}

TEST(HolidayText, AFileReplacesTheYearsItHolds) {
    HolidaySchedule schedule = HolidaySchedule::built_in();
    schedule.replace_years(
        parse_holiday_text("2026-10-02 休 国庆节\n2027-01-01 休 元旦\n").notices);
    EXPECT_EQ(schedule.days_of(2026).size(), 1u);
    EXPECT_TRUE(schedule.is_published(2027));
    EXPECT_EQ(schedule.days_of(2025), HolidaySchedule::built_in().days_of(2025));
}

}  // namespace
}  // namespace moonleaf
