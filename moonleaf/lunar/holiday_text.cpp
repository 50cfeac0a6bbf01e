#include "moonleaf/lunar/holiday_text.h"

#include <cstdio>
#include <set>

namespace moonleaf {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kOffMark = "休";
constexpr std::string_view kWorkMark = "班";
// Names are shown in a calendar cell's tip and the almanac; the longest a notice uses is 11.
constexpr int kLongestName = 16;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (is_blank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// The first field of `text` (which starts with no blank); the rest is left in `text`.
std::string_view take_field(std::string_view& text) {
    std::size_t end = 0;
    while (end < text.size() && !is_blank(text[end])) ++end;
    const std::string_view field = text.substr(0, end);
    text = trimmed(text.substr(end));
    return field;
}

// Well-formed UTF-8 of printable characters, at most kLongestName of them: a name goes into
// cell tips, COM strings and the command's output.
bool is_plain_name(std::string_view name) {
    int characters = 0;
    for (std::size_t i = 0; i < name.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(name[i]);
        std::size_t length = 0;
        unsigned minimum = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) return false;
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, minimum = 0x80, code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, minimum = 0x800, code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, minimum = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (name.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(name[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (length > 1 && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
            return false;
        i += length;
    }
    return characters <= kLongestName;
}

// Written from the fields themselves: a year the file may name lies outside what OleDate holds.
std::string iso_text(const common::YearMonthDay& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<ScheduledDay> date_line(std::string_view line) {
    const auto date = common::parse_iso_date(take_field(line));
    if (!date) return std::nullopt;
    const std::string_view mark = take_field(line);
    if (mark == kWorkMark && line.empty()) return ScheduledDay{*date, DayKind::MakeupWorkday, {}};
    if (mark == kOffMark && !line.empty() && is_plain_name(line))
        return ScheduledDay{*date, DayKind::OffDay, std::string(line)};
    return std::nullopt;
}

}  // namespace

HolidayText parse_holiday_text(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    HolidayText result;
    std::set<common::YearMonthDay> seen;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        const std::optional<ScheduledDay> day = date_line(line);
        if (!day || !seen.insert(day->date).second) {
            result.damaged_lines.push_back(number);
            continue;
        }
        result.notices[schedule_year_of(day->date)].push_back(*day);
    }
    return result;
}

std::optional<std::string> holiday_text_of_year(const HolidaySchedule& schedule, int year) {
    if (!schedule.is_published(year)) return std::nullopt;
    std::string text = "# " + std::to_string(year) + "年节假日安排\n";
    for (const ScheduledDay& day : schedule.days_of(year)) {
        text += iso_text(day.date);
        if (day.kind == DayKind::OffDay)
            text.append(" ").append(kOffMark).append(" ").append(day.name);
        else
            text.append(" ").append(kWorkMark);
        text += '\n';
    }
    return text;
}

}  // namespace moonleaf
