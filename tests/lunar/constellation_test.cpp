#include "moonleaf/lunar/constellation.h"

#include <gtest/gtest.h>

namespace moonleaf {
namespace {

std::string_view of(int m, int d) {
    return ConstellationOf(common::OleDate::from_ymd(2020, m, d));
}

TEST(ConstellationOf, EveryRangeBoundary) {
    const struct {
        int from_m, from_d, to_m, to_d;
        const char* name;
    } ranges[] = {
        {3, 21, 4, 19, "牡羊座"},  {4, 20, 5, 20, "金牛座"},   {5, 21, 6, 21, "双子座"},
        {6, 22, 7, 22, "巨蟹座"},  {7, 23, 8, 22, "狮子座"},   {8, 23, 9, 22, "处女座"},
        {9, 23, 10, 23, "天秤座"}, {10, 24, 11, 21, "天蝎座"}, {11, 22, 12, 21, "射手座"},
        {12, 22, 1, 19, "魔羯座"}, {1, 20, 2, 18, "水瓶座"},   {2, 19, 3, 20, "双鱼座"},
    };
    for (const auto& r : ranges) {
        EXPECT_EQ(of(r.from_m, r.from_d), r.name) << r.from_m << "-" << r.from_d;
        EXPECT_EQ(of(r.to_m, r.to_d), r.name) << r.to_m << "-" << r.to_d;
    }
}

TEST(ConstellationOf, LeapDayAndYearWrap) {
    EXPECT_EQ(of(2, 29), "双鱼座");
    EXPECT_EQ(of(12, 31), "魔羯座");
    EXPECT_EQ(of(1, 1), "魔羯座");
}

}  // namespace
}  // namespace moonleaf
