#include "moonleaf/lunar/constellation.h"

#include <array>
#include <string_view>

namespace moonleaf {
namespace {

struct Range {
    int from, to;  // MMDD keys as numbers, both ends included
    std::string_view name;
};

constexpr std::array<Range, 12> kConstellations = {{
    {321, 419, "牡羊座"},
    {420, 520, "金牛座"},
    {521, 621, "双子座"},
    {622, 722, "巨蟹座"},
    {723, 822, "狮子座"},
    {823, 922, "处女座"},
    {923, 1023, "天秤座"},
    {1024, 1121, "天蝎座"},
    {1122, 1221, "射手座"},
    {1222, 119, "魔羯座"},  // wraps over the new year
    {120, 218, "水瓶座"},
    {219, 320, "双鱼座"},
}};

}  // namespace

// Four-digit MMDD keys of the same width compare as numbers exactly as they do as texts.
std::string_view ConstellationOf(common::OleDate date) {
    const common::YearMonthDay ymd = date.ymd();
    const int key = ymd.month * 100 + ymd.day;
    for (const Range& r : kConstellations) {
        const bool inside =
            r.from <= r.to ? (r.from <= key && key <= r.to) : (key >= r.from || key <= r.to);
        if (inside) return r.name;
    }
    return {};  // unreachable: the ranges cover every MMDD
}

}  // namespace moonleaf
