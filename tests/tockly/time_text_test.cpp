#include <gtest/gtest.h>

#include "tockly/model/quiet_hours.h"
#include "tockly/model/reminder_settings.h"
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
        EXPECT_EQ(biaozhungeshi(text), "0:00:00") << text;
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

TEST(QuietHours, SpanTheirStartUpToTheirEndAcrossMidnightWhenNeeded) {
    struct Row {
        const char* from;
        const char* to;
        double hour, minute;
        bool quiet;
    };
    const Row rows[] = {
        {"23:00", "07:00", 23, 0, true},   {"23:00", "07:00", 2, 30, true},
        {"23:00", "07:00", 6, 59, true},   {"23:00", "07:00", 7, 0, false},
        {"23:00", "07:00", 22, 59, false}, {"12:30", "14:00", 13, 0, true},
        {"12:30", "14:00", 14, 0, false},  {"12:30", "14:00", 12, 0, false},
        {"9:00", "9:00", 9, 0, false},     {"夜里", "7:60", 23, 30, true},
        {"夜里", "7:60", 7, 0, false},
    };
    ChimeSettings chime;
    for (const Row& row : rows) {
        chime.yejian_miandarao.set_value(1);
        chime.miandarao_kaishi.set_text(row.from);
        chime.miandarao_jieshu.set_text(row.to);
        const TimeOfDay time{row.hour, row.minute, 0};
        EXPECT_EQ(in_quiet_hours(chime, time), row.quiet)
            << row.from << "-" << row.to << " at " << row.hour << ":" << row.minute;
        chime.yejian_miandarao.set_value(0);
        EXPECT_FALSE(in_quiet_hours(chime, time));
    }
}

}  // namespace
}  // namespace tockly::model
