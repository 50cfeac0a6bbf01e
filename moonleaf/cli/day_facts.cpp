#include "moonleaf/cli/day_facts.h"

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/constellation.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf::cli {

const char* const kDumpHeader =
    "date\tcode\tchinese_date\tanimal\tconstellation\tsolar_term\tcaption\tfestival";

namespace {

// The one-space "no term" answer would vanish in a tab-separated column.
std::string visible_term(common::OleDate date) {
    std::string term = SolarTermOf(date);
    return term == " " ? "-" : term;
}

const char* const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三",
                                  "星期四", "星期五", "星期六"};

}  // namespace

std::string dump_line(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    const DayCaptionResult caption = DayCaption(date);
    std::string line = date.iso();
    line += '\t';
    line += LunarDateCode(lunar);
    line += '\t';
    line += LunarDateText(date);
    line += '\t';
    line += ZodiacAnimal(lunar.year);
    line += '\t';
    line += ConstellationOf(date);
    line += '\t';
    line += visible_term(date);
    line += '\t';
    line += caption.text;
    line += caption.festival ? "\t1\n" : "\t0\n";
    return line;
}

std::string info_text(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    const DayCaptionResult caption = DayCaption(date);
    std::string text;
    const auto add = [&text](const std::string& label, const std::string& value) {
        text += label + "：" + value + "\n";
    };
    add("日期", date.iso() + " " + kWeekdays[date.weekday()]);
    add("LunarDateCode", LunarDateCode(lunar));
    add("农历", LunarDateText(date));
    add("年", LunarYearText(date));
    add("月", LunarMonthName(lunar.month));
    add("日", LunarDayName(lunar.day));
    add("生肖", ZodiacAnimal(lunar.year));
    add("星座", ConstellationOf(date));
    add("节气", visible_term(date));
    add("日历显示", caption.text + (caption.festival ? "（节日）" : ""));
    return text;
}

}  // namespace moonleaf::cli
