#include <gtest/gtest.h>

#include "tockly/model/number_text.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/settings/settings_numbers.h"

namespace tockly::settings_file {
namespace {

TEST(SettingsLines, JoinEndsEveryLineWithCrLf) {
    SettingsLines lines;
    lines[0] = "1";
    lines[521] = "1";
    const std::string text = join_settings_lines(lines);
    EXPECT_EQ(text.substr(0, 5), "1\r\n\r\n");
    EXPECT_EQ(text.substr(text.size() - 3), "1\r\n");
    EXPECT_EQ(text.size(), 2u + 2 * 522);
}

TEST(SettingsLines, SplitReadsBackWhatJoinWrote) {
    SettingsLines lines;
    for (int i = 0; i < kSettingsLineCount; ++i) lines[i] = std::to_string(i) + ", 文字 ";
    lines[7] = "";
    EXPECT_EQ(split_settings_lines(join_settings_lines(lines)), lines);
}

TEST(SettingsLines, ShortMissingAndLongTexts) {
    EXPECT_EQ(split_settings_lines(""), SettingsLines{});
    const SettingsLines short_file = split_settings_lines("1\r\n30");  // no final CR LF
    EXPECT_EQ(short_file[0], "1");
    EXPECT_EQ(short_file[1], "30");
    EXPECT_EQ(short_file[2], "");
    std::string long_text;
    for (int i = 1; i <= 600; ++i) long_text += std::to_string(i) + "\r\n";
    const SettingsLines long_file = split_settings_lines(long_text);
    EXPECT_EQ(long_file[518], "519");
}

TEST(SettingsLines, LoneCrOrLfAlsoEndALine) {
    const SettingsLines lines = split_settings_lines("a\nb\rc\r\n\r\nd\n\ne");
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "d");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "e");
}

TEST(SettingsNumbers, WholeNumberTakesTheWholeTextAndRoundsHalfToEven) {
    EXPECT_EQ(whole_number(""), 0);
    EXPECT_EQ(whole_number("   "), 0);
    EXPECT_EQ(whole_number("1"), 1);
    EXPECT_EQ(whole_number("-1"), -1);
    EXPECT_EQ(whole_number(" 12 "), 12);
    EXPECT_EQ(whole_number("+7"), 7);
    EXPECT_EQ(whole_number("2.5"), 2);
    EXPECT_EQ(whole_number("3.5"), 4);
    EXPECT_EQ(whole_number("0.6"), 1);
    EXPECT_EQ(whole_number("1e2"), 100);
}

TEST(SettingsNumbers, WholeNumberRefusesTextThatIsNotANumber) {
    for (const char* text : {"abc", "1a", "1 2", "-", ".", "e5", "0x10", "inf", "nan", "1e400",
                             "9999999999", "１", "1,5"})
        EXPECT_FALSE(whole_number(text).has_value()) << text;
}

TEST(SettingsNumbers, ShortestDecimalWritesAFractionOnlyWhenThereIsOne) {
    EXPECT_EQ(shortest_decimal(30), "30");
    EXPECT_EQ(shortest_decimal(0), "0");
    EXPECT_EQ(shortest_decimal(-0.0), "0");
    EXPECT_EQ(shortest_decimal(-1000), "-1000");
    EXPECT_EQ(shortest_decimal(1234.5), "1234.5");
    EXPECT_EQ(shortest_decimal(1e20), "100000000000000000000");
    for (double value : {0.1, 14392.5, 1.0 / 3, 123456789.0})
        EXPECT_EQ(model::numeric_value(shortest_decimal(value)), value);
}

}  // namespace
}  // namespace tockly::settings_file
