#include "moonleaf/cli/month_sheet.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "moonleaf/lunar/almanac_names.h"
#include "moonleaf/lunar/day_caption.h"
#include "moonleaf/lunar/official_holidays.h"
#include "moonleaf/lunar/solar_terms.h"
#include "moonleaf/lunar/solar_to_lunar.h"

namespace moonleaf::cli {
namespace {

using common::OleDate;

constexpr int kCellColumns = 8;
constexpr int kBlockColumns = 7 * kCellColumns;
constexpr int kMonthsAcross = 3;
constexpr std::string_view kGutter = "  ";

// Terminal columns of UTF-8 text: the CJK characters used here take two columns each.
int display_width(std::string_view text) {
    int width = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80) continue;
        width += c >= 0xE0 ? 2 : 1;
    }
    return width;
}

std::string centred(std::string_view text, int columns) {
    const int pad = columns - display_width(text);
    if (pad <= 0) return std::string(text);
    return std::string(static_cast<std::size_t>(pad / 2), ' ') + std::string(text) +
           std::string(static_cast<std::size_t>(pad - pad / 2), ' ');
}

std::string padded(std::string text, int columns) {
    const int pad = columns - display_width(text);
    if (pad > 0) text.append(static_cast<std::size_t>(pad), ' ');
    return text;
}

std::string trimmed_line(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

bool converts(OleDate date) {
    return date >= kFirstConvertibleDay && date <= kLastConvertibleDay;
}

// 休 after the number of an official off day, 班 after a makeup workday's.
std::string_view schedule_mark(OleDate date) {
    switch (HolidaySchedule::built_in().day(date).kind) {
        case DayKind::OffDay:
            return "休";
        case DayKind::MakeupWorkday:
            return "班";
        case DayKind::Ordinary:
            break;
    }
    return "";
}

// One month as lines of exactly kBlockColumns columns: heading, weekday names, two lines per
// week (numbers, captions), and the line naming its solar terms.
struct MonthBlock {
    std::vector<std::string> lines;  // heading, names, weeks
    std::string terms;
};

MonthBlock month_block(int year, int month, std::string_view heading) {
    MonthBlock block;
    block.lines.push_back(centred(heading, kBlockColumns));
    std::string names;
    for (const char* name : {"日", "一", "二", "三", "四", "五", "六"})
        names += centred(name, kCellColumns);
    block.lines.push_back(names);

    const OleDate first = OleDate::from_ymd(year, month, 1);
    const int length = common::days_in_month(year, month);
    for (int start = 1 - first.weekday(); start <= length; start += 7) {
        std::string numbers, captions;
        for (int d = start; d < start + 7; ++d) {
            const OleDate date = OleDate::from_ymd(year, month, std::clamp(d, 1, length));
            const bool shown = d >= 1 && d <= length;
            numbers +=
                centred(shown ? std::to_string(d).append(schedule_mark(date)) : "", kCellColumns);
            captions += centred(shown && converts(date) ? DayCaption(date).text : "", kCellColumns);
            const std::string_view term = shown ? SolarTermOf(date) : " ";
            if (term != " ")
                block.terms += (block.terms.empty() ? "" : "  ") + std::string(term) + "：" +
                               std::to_string(d) + "日";
        }
        block.lines.push_back(numbers);
        block.lines.push_back(captions);
    }
    block.terms = padded(block.terms, kBlockColumns);
    return block;
}

}  // namespace

bool month_is_drawable(int year, int month) {
    if (month < 1 || month > 12 || year < 1 || year > 9999) return false;
    return OleDate::from_ymd(year, month, common::days_in_month(year, month)) >=
               kFirstConvertibleDay &&
           OleDate::from_ymd(year, month, 1) <= kLastConvertibleDay;
}

bool year_is_drawable(int year) {
    return month_is_drawable(year, 1) && month_is_drawable(year, 12);
}

OleDate first_convertible_day(int year, int month) {
    return std::max(OleDate::from_ymd(year, month, 1), kFirstConvertibleDay);
}

std::string month_sheet(int year, int month, OleDate focus) {
    const LunarDate lunar = ToLunarDate(focus);
    std::string sheet = "农历" + std::string(CyclicalYearName(lunar.year)) +
                        std::string(LunarMonthName(lunar.month)) +
                        std::string(LunarDayName(lunar.day)) + "  " +
                        std::string(ZodiacAnimal(lunar.year)) + "\n";
    const MonthBlock block =
        month_block(year, month, std::to_string(year) + "年" + std::to_string(month) + "月");
    for (const std::string& line : block.lines) sheet += trimmed_line(line);
    return sheet + trimmed_line(block.terms);
}

std::string year_sheet(int year) {
    const int width = kMonthsAcross * kBlockColumns + (kMonthsAcross - 1) * int(kGutter.size());
    std::string sheet = trimmed_line(centred(std::to_string(year) + "年", width));
    for (int first = 1; first <= 12; first += kMonthsAcross) {
        std::vector<MonthBlock> row;
        std::size_t height = 0;
        for (int month = first; month < first + kMonthsAcross; ++month) {
            row.push_back(month_block(year, month, std::to_string(month) + "月"));
            height = std::max(height, row.back().lines.size());
        }
        // Months of five weeks get blank weeks, so that the terms of a row share a line.
        const std::string blank(kBlockColumns, ' ');
        for (std::size_t i = 0; i <= height; ++i) {
            std::string line;
            for (const MonthBlock& block : row) {
                if (!line.empty()) line += kGutter;
                line += i == height ? block.terms : i < block.lines.size() ? block.lines[i] : blank;
            }
            sheet += trimmed_line(line);
        }
        sheet += "\n";
    }
    return sheet;
}

}  // namespace moonleaf::cli
