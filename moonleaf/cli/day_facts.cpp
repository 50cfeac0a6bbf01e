#include "moonleaf/cli/day_facts.h"

#include <string_view>

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/constellation.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/official_holidays.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf::cli {

const char* const kDumpHeader =
    "date\tcode\tchinese_date\tanimal\tconstellation\tsolar_term\tcaption\tfestival";

namespace {

// The one-space "no term" answer would vanish in a tab-separated column.
std::string_view visible_term(common::OleDate date) {
    const std::string_view term = SolarTermOf(date);
    return term == " " ? "-" : term;
}

// The day in the official schedule: its holiday, a makeup workday, an ordinary day, or a year
// whose notice is not out yet.
std::string schedule_fact(common::OleDate date) {
    const HolidaySchedule& schedule = HolidaySchedule::built_in();
    const ScheduledDay day = schedule.day(date);
    switch (day.kind) {
        case DayKind::OffDay:
            return day.name + "（休）";
        case DayKind::MakeupWorkday:
            return "调休上班（班）";
        case DayKind::Ordinary:
            break;
    }
    return schedule.is_published(schedule_year_of(day.date)) ? "-" : "尚未公布";
}

const char* const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三",
                                  "星期四", "星期五", "星期六"};

// A line is about 90 bytes; the dump reserves this much per day, so that appending never
// reallocates.
constexpr std::size_t kLongestDumpLine = 128;

// The date's digits written in place: a dump runs this for some seventy thousand days.
void append_digits(std::string& out, int value, int count) {
    char digits[4];
    for (int i = count - 1; i >= 0; --i, value /= 10)
        digits[i] = static_cast<char>('0' + value % 10);
    out.append(digits, static_cast<std::size_t>(count));
}

void append_dump_line(std::string& out, common::OleDate date) {
    const common::YearMonthDay ymd = date.ymd();
    const LunarDate lunar = ToLunarDate(date);
    const DayCaptionResult caption = DayCaption(date);
    append_digits(out, ymd.year, 4);
    out += '-';
    append_digits(out, ymd.month, 2);
    out += '-';
    append_digits(out, ymd.day, 2);
    out += '\t';
    out += LunarDateCode(lunar);
    out += '\t';
    AppendLunarDateText(out, lunar);
    out += '\t';
    out += ZodiacAnimal(lunar.year);
    out += '\t';
    out += ConstellationOf(date);
    out += '\t';
    out += visible_term(date);
    out += '\t';
    out += caption.text;
    out += caption.festival ? "\t1\n" : "\t0\n";
}

}  // namespace

std::string dump_text(common::OleDate from, common::OleDate to) {
    const long first = from.day(), last = to.day();
    std::string text(kDumpHeader);
    text += '\n';
    if (last >= first) text.reserve(text.size() + std::size_t(last - first + 1) * kLongestDumpLine);
    for (long day = first; day <= last; ++day)
        append_dump_line(text, common::OleDate::from_day(day));
    return text;
}

std::string info_text(common::OleDate date) {
    const LunarDate lunar = ToLunarDate(date);
    const DayCaptionResult caption = DayCaption(date);
    std::string text;
    const auto add = [&text](std::string_view label, std::string_view value) {
        text.append(label).append("：").append(value).append("\n");
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
    add("日历显示", std::string(caption.text) + (caption.festival ? "（节日）" : ""));
    add("节假日", schedule_fact(date));
    return text;
}

}  // namespace moonleaf::cli
