#include <gtest/gtest.h>

#include "tockly/engine/day_rule.h"
#include "tockly/model/time_text.h"

namespace tockly::model {
namespace {

TEST(Biaozhungeshi, AppliesALeadingDayHalfMarker) {
    EXPECT_EQ(biaozhungeshi("下午 12:05:09"), "12:05:09");
    EXPECT_EQ(biaozhungeshi("上午 12:05:09"), "0:05:09");
    EXPECT_EQ(biaozhungeshi("下午 1:05:09"), "13:05:09");
    EXPECT_EQ(biaozhungeshi("上午 9:05:09"), "9:05:09");
    EXPECT_EQ(biaozhungeshi("PM 1:05:09"), "13:05:09");
    EXPECT_EQ(biaozhungeshi("am 12:00:00"), "0:00:00");
}

TEST(Biaozhungeshi, DropsATrailingMarkerWithoutApplyingIt) {
    EXPECT_EQ(biaozhungeshi("9:05:09 PM"), "9:05:09");
    EXPECT_EQ(biaozhungeshi("21:05:09"), "21:05:09");
}

TEST(Biaozhungeshi, PadsMinuteAndSecondButNotTheHour) {
    EXPECT_EQ(biaozhungeshi("7:5:9"), "7:05:09");
    EXPECT_EQ(biaozhungeshi("07:05:09"), "07:05:09");
}

TEST(Biaozhungeshi, TextWithoutATimeReadsAsMidnight) {
    for (const char* text : {"", "abc", "::", "下午", "\xff\xfe"}) {
        const TimeOfDay t = split_time(biaozhungeshi(text));
        EXPECT_EQ(t.hour + t.minute + t.second, 0) << text;
    }
    // An hour too long for any number is left as it is rather than converted.
    EXPECT_EQ(biaozhungeshi("下午 99999999999999999999:1:2"), "99999999999999999999:01:02");
}

TEST(SplitTime, ReadsEachFieldAsANumber) {
    const TimeOfDay t = split_time("13:05:09");
    EXPECT_EQ(t.hour, 13);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 9);
}

TEST(NumericValue, ReadsTheLeadingNumber) {
    EXPECT_EQ(numeric_value("  7"), 7);
    EXPECT_EQ(numeric_value("全部"), 0);
    EXPECT_EQ(numeric_value("45abc"), 45);
    EXPECT_EQ(numeric_value("7.5"), 7.5);
    EXPECT_EQ(numeric_value(""), 0);
    EXPECT_EQ(numeric_value("-"), 0);
    EXPECT_EQ(numeric_value("-5"), -5);
    EXPECT_EQ(numeric_value("+5.25"), 5.25);
    EXPECT_EQ(numeric_value("  -3.25x"), -3.25);
    EXPECT_EQ(numeric_value("7e1 "), 70);  // the settings file's shortest form may have one
    EXPECT_EQ(numeric_value("7e"), 7);
    EXPECT_EQ(numeric_value("inf"), 0);
    EXPECT_EQ(numeric_value("1e999"), 0);
    EXPECT_EQ(numeric_value("12345678901234567890"), 12345678901234567890.0);
}

TEST(DayRule, EveryDayWeekdaysAndDates) {
    EXPECT_TRUE(engine::day_rule_matches("每天", 3, "2026/12/9"));
    EXPECT_TRUE(engine::day_rule_matches("星期1,2,3,4,5", 1, ""));
    EXPECT_FALSE(engine::day_rule_matches("星期1,2,3,4,5", 6, ""));
    EXPECT_TRUE(engine::day_rule_matches("星期6,日", 6, ""));
    EXPECT_TRUE(engine::day_rule_matches("星期6,日", 7, ""));
    EXPECT_FALSE(engine::day_rule_matches("星期6,日", 5, ""));
    for (int day = 1; day <= 7; ++day) EXPECT_FALSE(engine::day_rule_matches("星期", day, ""));
    EXPECT_TRUE(engine::day_rule_matches(" 2026/12/9 ", 3, "2026/12/9"));
    EXPECT_FALSE(engine::day_rule_matches("2026/12/9", 3, "2026/12/10"));
    EXPECT_FALSE(engine::day_rule_matches("", 3, "2026/12/9"));
}

}  // namespace
}  // namespace tockly::model
