#include "moonleaf/lunar/day_caption.h"

#include <algorithm>
#include <cstdint>

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf {

const std::array<std::string_view, 60> SolarFestivals = {
    "0101元旦",   "0202湿地日", "0210气象节", "0214情人节", "0301海豹日", "0303爱耳日",
    "0305学雷锋", "0308妇女节", "0312植树节", "0314警察日", "0315消费权", "0317航海日",
    "0321森林日", "0322水日",   "0323气象日", "0401愚人节", "0407卫生日", "0422地球日",
    "0423版权日", "0501劳动节", "0504青年节", "0508红十字", "0512护士节", "0515家庭日",
    "0517电信日", "0523牛奶日", "0531无烟日", "0601儿童节", "0605环境日", "0606爱眼日",
    "0625土地日", "0626禁毒日", "0701建党节", "0711人口日", "0801建军节", "0808爸爸节",
    "0908扫盲日", "0910教师节", "0920爱牙日", "0927旅游日", "0928孔子诞", "1001国庆节",
    "1004动物日", "1006老人节", "1009邮政日", "1013保健日", "1014标准日", "1015盲人节",
    "1016粮食日", "1031勤俭日", "1110青年节", "1120彝族年", "1201艾滋病", "1203残疾人",
    "1209足球日", "1210人权日", "1220澳门归", "1221篮球日", "1224平安夜", "1225圣诞节"};

const std::array<std::string_view, 10> LunarFestivals = {
    "0101春节",   "0115元宵节", "0505端午节", "0707七夕节", "0715中元节",
    "0815中秋节", "0909重阳节", "1208腊八节", "1224小年",   "0100除夕"};

namespace {

// Which festival, if any, each month and day (1-12, 0-31) names, so that a caption is one
// lookup instead of a walk over both tables. The first entry of a table wins, as in a walk.
struct FestivalIndex {
    static constexpr std::uint8_t kNone = 0xFF;
    std::array<std::array<std::uint8_t, 32>, 13> lunar{}, solar{};

    template <std::size_t N>
    static void fill(std::array<std::array<std::uint8_t, 32>, 13>& index,
                     const std::array<std::string_view, N>& festivals) {
        for (auto& month : index) month.fill(kNone);
        for (std::size_t i = N; i-- > 0;) {
            const std::string_view e = festivals[i];
            const int month = (e[0] - '0') * 10 + (e[1] - '0');
            const int day = (e[2] - '0') * 10 + (e[3] - '0');
            index[static_cast<std::size_t>(month)][static_cast<std::size_t>(day)] =
                static_cast<std::uint8_t>(i);
        }
    }

    FestivalIndex() {
        fill(lunar, LunarFestivals);
        fill(solar, SolarFestivals);
    }
};

const FestivalIndex& festival_index() {
    static const FestivalIndex index;
    return index;
}

// "0100" is how the table writes "the day before 0101": the last day of the lunar year,
// whether the twelfth month has 29 or 30 days.
constexpr std::size_t kMonthOf0100 = 1, kDayOf0100 = 0;

}  // namespace

DayCaptionResult DayCaption(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    const FestivalIndex& index = festival_index();
    const auto& lunar_month = index.lunar[static_cast<std::size_t>(lunar.month)];
    std::uint8_t found = lunar_month[static_cast<std::size_t>(lunar.day)];
    if (IsLastDayOfLunarYear(lunar)) found = std::min(found, index.lunar[kMonthOf0100][kDayOf0100]);
    if (found != FestivalIndex::kNone) return {LunarFestivals[found].substr(4), true};
    const common::YearMonthDay ymd = date.ymd();
    found = index.solar[static_cast<std::size_t>(ymd.month)][static_cast<std::size_t>(ymd.day)];
    if (found != FestivalIndex::kNone) return {SolarFestivals[found].substr(4), true};
    return {LunarDayName(lunar.day), false};
}

}  // namespace moonleaf
