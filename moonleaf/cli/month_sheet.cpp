#include "moonleaf/cli/month_sheet.h"

#include <cstdio>
#include <string_view>

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf::cli {
namespace {

constexpr int kCellColumns = 8;

// Terminal columns of UTF-8 text: the CJK characters used here take two columns each.
int display_width(std::string_view text) {
    int width = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80) continue;
        width += c >= 0xE0 ? 2 : 1;
    }
    return width;
}

std::string centred(const std::string& text, int columns) {
    const int pad = columns - display_width(text);
    if (pad <= 0) return text;
    return std::string(static_cast<std::size_t>(pad / 2), ' ') + text +
           std::string(static_cast<std::size_t>(pad - pad / 2), ' ');
}

std::string trim_right(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

}  // namespace

bool month_is_drawable(int year, int month) {
    if (month < 1 || month > 12) return false;
    return common::OleDate::from_ymd(year, month, 1) >= kFirstConvertibleDay &&
           common::OleDate::from_ymd(year, month, common::days_in_month(year, month)) <=
               kLastConvertibleDay;
}

std::string month_sheet(int year, int month, common::OleDate focus) {
    const LunarDate lunar = ToLunarDate(focus);
    std::string sheet;
    sheet += "农历" + CyclicalYearName(lunar.year) + LunarMonthName(lunar.month) +
             LunarDayName(lunar.day) + "  " + ZodiacAnimal(lunar.year) + "\n";
    char heading[32];
    std::snprintf(heading, sizeof heading, "%d年%d月", year, month);
    sheet += trim_right(centred(heading, 7 * kCellColumns));
    std::string names;
    for (const char* name : {"日", "一", "二", "三", "四", "五", "六"})
        names += centred(name, kCellColumns);
    sheet += trim_right(names);

    const common::OleDate first = common::OleDate::from_ymd(year, month, 1);
    const int length = common::days_in_month(year, month);
    std::string terms;
    for (int start = 1 - first.weekday(); start <= length; start += 7) {
        std::string numbers, captions;
        for (int d = start; d < start + 7; ++d) {
            if (d < 1 || d > length) {
                numbers += std::string(kCellColumns, ' ');
                captions += std::string(kCellColumns, ' ');
                continue;
            }
            const common::OleDate date = common::OleDate::from_ymd(year, month, d);
            numbers += centred(std::to_string(d), kCellColumns);
            captions += centred(DayCaption(date).text, kCellColumns);
            const std::string term = SolarTermOf(date);
            if (term != " ")
                terms += (terms.empty() ? "" : "  ") + term + "：" + std::to_string(d) + "日";
        }
        sheet += trim_right(numbers) + trim_right(captions);
    }
    sheet += terms + "\n";
    return sheet;
}

}  // namespace moonleaf::cli
