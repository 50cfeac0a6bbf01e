#include "tockly/shell/holiday_file.h"

#include <vector>

#include "moonleaf/lunar/holiday_text.h"
#include "tockly/shell/site.h"
#include "tockly/sound/voice_files.h"

namespace tockly::shell {

namespace {

constexpr const char* kTemporarySuffix = ".new";
// The Http service cuts a body there; a body that long may have lost its end.
constexpr size_t kReplyLimit = 64 * 1024;

moonleaf::HolidaySchedule with_years(moonleaf::HolidaySchedule schedule,
                                     const moonleaf::HolidaySchedule& years) {
    std::map<int, std::vector<moonleaf::ScheduledDay>> notices;
    for (int year : years.published_years()) notices[year] = years.days_of(year);
    schedule.replace_years(notices);
    return schedule;
}

}  // namespace

HolidayFile::HolidayFile(const Services& services)
    : s_(services), schedule_(moonleaf::HolidaySchedule::built_in()) {}

std::string HolidayFile::path() const {
    return sound::programDir(s_.files) + kHolidayFileName;
}

moonleaf::HolidaySchedule HolidayFile::file_years() const {
    moonleaf::HolidaySchedule years;
    if (const std::optional<std::string> text = s_.files.read_file(path()))
        years.replace_years(moonleaf::parse_holiday_text(*text).notices);
    return years;
}

void HolidayFile::load() {
    schedule_ = with_years(moonleaf::HolidaySchedule::built_in(), file_years());
}

std::optional<moonleaf::HolidaySchedule> HolidayFile::fetched_year(int year) {
    const platform::HttpReply reply = s_.http.get(site::holidays_page(year));
    if (!reply.ok || reply.body.size() >= kReplyLimit) return std::nullopt;
    const moonleaf::HolidayText text = moonleaf::parse_holiday_text(reply.body);
    if (!text.damaged_lines.empty() || text.notices.size() != 1 || !text.notices.contains(year) ||
        text.notices.at(year).empty())
        return std::nullopt;
    moonleaf::HolidaySchedule fetched;
    fetched.replace_years(text.notices);
    return fetched;
}

void HolidayFile::store(const moonleaf::HolidaySchedule& years) {
    std::string text;
    for (int year : years.published_years()) {
        if (const std::optional<std::string> notice = moonleaf::holiday_text_of_year(years, year))
            text += *notice;
    }
    const std::string temporary = path() + kTemporarySuffix;
    if (s_.files.write_file(temporary, text) && s_.files.replace_file(temporary, path())) return;
    s_.files.remove_file(temporary);
}

void HolidayFile::fetch_when_due() {
    const common::YearMonthDay today = s_.clock.now().ymd();
    const std::pair<int, int> month{today.year, today.month};
    if (fetched_in_ == month) return;
    fetched_in_ = month;
    const int year = moonleaf::schedule_year_of(today);
    if (moonleaf::HolidaySchedule::built_in().is_published(year)) return;
    const std::optional<moonleaf::HolidaySchedule> fetched = fetched_year(year);
    if (!fetched) return;
    const moonleaf::HolidaySchedule years = with_years(file_years(), *fetched);
    store(years);
    schedule_ = with_years(moonleaf::HolidaySchedule::built_in(), years);
}

}  // namespace tockly::shell
