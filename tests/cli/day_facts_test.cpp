#include "moonleaf/cli/day_facts.h"

#include <gtest/gtest.h>

namespace moonleaf::cli {
namespace {

using common::OleDate;

// The line of one day, without the header.
std::string dump_line(OleDate date) {
    const std::string text = dump_text(date, date);
    return text.substr(text.find('\n') + 1);
}

TEST(DumpText, HeaderThenOneLinePerDayInOrder) {
    EXPECT_EQ(dump_text(OleDate::from_ymd(2091, 2, 16), OleDate::from_ymd(2091, 2, 17)),
              "date\tcode\tchinese_date\tanimal\tconstellation\tsolar_term\tcaption\tfestival\n"
              "2091-02-16\t020901228\t农历庚戌年十二月廿八\t狗\t水瓶座\t-\t廿八\t0\n"
              "2091-02-17\t020901229\t农历庚戌年十二月廿九\t狗\t水瓶座\t-\t除夕\t1\n");
}

TEST(DumpText, ColumnsOfSingleDays) {
    EXPECT_EQ(dump_line(OleDate::from_ymd(2020, 5, 23)),
              "2020-05-23\t120200401\t农历庚子年(闰)四月初一\t鼠\t双子座\t-\t牛奶日\t1\n");
    EXPECT_EQ(dump_line(OleDate::from_ymd(2020, 1, 6)),
              "2020-01-06\t020191212\t农历己亥年十二月十二\t猪\t魔羯座\t小寒\t十二\t0\n");
    EXPECT_EQ(dump_line(OleDate::from_ymd(2020, 10, 1)),
              "2020-10-01\t020200815\t农历庚子年八月十五\t鼠\t天秤座\t-\t中秋节\t1\n");
    EXPECT_EQ(dump_line(OleDate::from_ymd(2026, 12, 8)),
              "2026-12-08\t020261030\t农历丙午年十月三十\t马\t射手座\t-\t三十\t0\n");
}

TEST(InfoText, EveryFactLabelled) {
    const std::string text = info_text(OleDate::from_ymd(2020, 5, 23));
    for (const char* line :
         {"日期：2020-05-23 星期六\n", "LunarDateCode：120200401\n",
          "农历：农历庚子年(闰)四月初一\n", "年：庚子年(闰)\n", "月：四月\n", "日：初一\n",
          "生肖：鼠\n", "星座：双子座\n", "节气：-\n", "日历显示：牛奶日（节日）\n", "节假日：-\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(InfoText, NamesTheDayInTheOfficialSchedule) {
    const struct {
        int y, m, d;
        const char* line;
    } days[] = {
        {2026, 10, 1, "节假日：国庆节（休）\n"},
        {2026, 10, 10, "节假日：调休上班（班）\n"},
        {2026, 12, 31, "节假日：尚未公布\n"},  // a day of the 2027 notice
    };
    for (const auto& day : days)
        EXPECT_NE(info_text(OleDate::from_ymd(day.y, day.m, day.d)).find(day.line),
                  std::string::npos)
            << day.line;
}

}  // namespace
}  // namespace moonleaf::cli
