#include "moonleaf/lunar/day_caption.h"

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

// Four digits MMDD, the form both festival tables are keyed by.
std::string month_day_key(int month, int day) {
    return {static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10),
            static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10)};
}

// "0100" is how the table writes "the day before 0101": the last day of the lunar year,
// whether the twelfth month has 29 or 30 days.
constexpr std::string_view kNewYearsEveKey = "0100";

}  // namespace

DayCaptionResult DayCaption(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    const std::string key = month_day_key(lunar.month, lunar.day);
    const bool eve = IsLastDayOfLunarYear(lunar);
    for (std::string_view entry : LunarFestivals) {
        const std::string_view entry_key = entry.substr(0, 4);
        if (entry_key == key || (eve && entry_key == kNewYearsEveKey))
            return {std::string(entry.substr(4)), true};
    }
    const common::YearMonthDay ymd = date.ymd();
    const std::string mmdd = month_day_key(ymd.month, ymd.day);
    for (std::string_view entry : SolarFestivals)
        if (entry.substr(0, 4) == mmdd) return {std::string(entry.substr(4)), true};
    return {LunarDayName(lunar.day), false};
}

}  // namespace moonleaf
