#include "moonleaf/lunar/day_caption.h"

#include <gtest/gtest.h>

#include "moonleaf/lunar/lunar_year_table.h"

namespace moonleaf {

void PrintTo(const DayCaptionResult& r, std::ostream* os) {
    *os << '"' << r.text << '"' << (r.festival ? " (festival)" : "");
}

namespace {

using common::OleDate;

DayCaptionResult caption(int y, int m, int d) {
    return DayCaption(OleDate::from_ymd(y, m, d));
}

TEST(DayCaption, LunarFestivals) {
    EXPECT_EQ(caption(2020, 1, 25), (DayCaptionResult{"春节", true}));
    EXPECT_EQ(caption(2020, 2, 8), (DayCaptionResult{"元宵节", true}));
    EXPECT_EQ(caption(2020, 8, 25), (DayCaptionResult{"七夕节", true}));
    EXPECT_EQ(caption(2021, 1, 20), (DayCaptionResult{"腊八节", true}));
    EXPECT_EQ(caption(2021, 2, 5), (DayCaptionResult{"小年", true}));
}

TEST(DayCaption, GregorianFestivals) {
    EXPECT_EQ(caption(2020, 12, 25), (DayCaptionResult{"圣诞节", true}));
    EXPECT_EQ(caption(2021, 1, 1), (DayCaptionResult{"元旦", true}));
    EXPECT_EQ(caption(2021, 10, 1), (DayCaptionResult{"国庆节", true}));
}

TEST(DayCaption, LunarFestivalWinsOverGregorian) {
    EXPECT_EQ(caption(2020, 10, 1), (DayCaptionResult{"中秋节", true}));
}

TEST(DayCaption, NewYearsEveOnTheLastDayOfTheLunarYear) {
    EXPECT_EQ(caption(2020, 1, 24), (DayCaptionResult{"除夕", true}));  // twelfth month of 30 days
    EXPECT_EQ(caption(2022, 1, 31), (DayCaptionResult{"除夕", true}));  // twelfth month of 29 days
    EXPECT_EQ(caption(2022, 1, 30), (DayCaptionResult{"廿八", false}));
    EXPECT_EQ(caption(2091, 2, 17), (DayCaptionResult{"除夕", true}));
}

TEST(DayCaption, PlainDaysShowTheLunarDayName) {
    EXPECT_EQ(caption(2020, 1, 7), (DayCaptionResult{"十三", false}));
    EXPECT_EQ(caption(2020, 2, 13), (DayCaptionResult{"二十", false}));
    EXPECT_EQ(caption(2026, 12, 8), (DayCaptionResult{"三十", false}));  // the tenth month's last
    EXPECT_EQ(caption(2020, 6, 21), (DayCaptionResult{"初一", false}));
    EXPECT_EQ(caption(2020, 5, 23),
              (DayCaptionResult{"牛奶日", true}));  // leap 4-01, a Gregorian festival
}

TEST(DayCaption, OutOfRangeIsAnError) {
    EXPECT_THROW(caption(2091, 2, 18), LunarRangeError);
}

}  // namespace
}  // namespace moonleaf
