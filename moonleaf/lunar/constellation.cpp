#include "moonleaf/lunar/constellation.h"

#include <array>
#include <string_view>

namespace moonleaf {
namespace {

struct Range {
    std::string_view from, to, name;  // MMDD keys, both ends included
};

constexpr std::array<Range, 12> kConstellations = {{
    {"0321", "0419", "牡羊座"},
    {"0420", "0520", "金牛座"},
    {"0521", "0621", "双子座"},
    {"0622", "0722", "巨蟹座"},
    {"0723", "0822", "狮子座"},
    {"0823", "0922", "处女座"},
    {"0923", "1023", "天秤座"},
    {"1024", "1121", "天蝎座"},
    {"1122", "1221", "射手座"},
    {"1222", "0119", "魔羯座"},  // wraps over the new year
    {"0120", "0218", "水瓶座"},
    {"0219", "0320", "双鱼座"},
}};

}  // namespace

std::string ConstellationOf(common::OleDate date) {
    const std::string key = date.yyyymmdd().substr(4, 4);
    for (const Range& r : kConstellations) {
        const bool inside =
            r.from <= r.to ? (r.from <= key && key <= r.to) : (key >= r.from || key <= r.to);
        if (inside) return std::string(r.name);
    }
    return {};  // unreachable: the ranges cover every MMDD
}

}  // namespace moonleaf
