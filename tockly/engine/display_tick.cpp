#include "tockly/engine/display_tick.h"

#include <array>
#include <string>

#include "tockly/engine/day_rule.h"
#include "tockly/model/time_text.h"

namespace tockly::engine {

const char* weekday_name(int monday_first_weekday) {
    static constexpr std::array<const char*, 7> kNames = {"星期一", "星期二", "星期三", "星期四",
                                                          "星期五", "星期六", "星期日"};
    if (monday_first_weekday < 1 || monday_first_weekday > 7) return "";
    return kNames[static_cast<size_t>(monday_first_weekday - 1)];
}

void DisplayTick::Timer2_Timer() {
    const common::OleDate now = s_.clock.now();
    const common::OleDate today = now.date_only();
    const auto ymd = now.ymd();
    const std::string weekday = weekday_name(monday_first(now.weekday()));
    // Built from the date itself, so every regional date format gives the same text.
    const std::string date = std::to_string(ymd.year) + "年" + std::to_string(ymd.month) + "月" +
                             std::to_string(ymd.day) + "日";
    const std::string time = model::biaozhungeshi(s_.clock.time_text());

    platform::CalendarControl& calendar = s_.Moonleaf1;
    // Without the calendar control (its file missing) every answer is empty: no almanac text.
    const std::string year = calendar.GetChineseYear(today);
    const std::string lunar = year.empty() ? std::string()
                                           : calendar.GetChineseAnimal(today) + "[" + year + "]" +
                                                 calendar.GetChineseMonth(today) +
                                                 calendar.GetChineseDay(today) + " " +
                                                 calendar.GetConstellation(today);
    const std::string moment =
        date + " " + time + " " + weekday + (lunar.empty() ? "" : " " + lunar);

    s_.main.set_Caption(model::program_title(version_) + " " + moment);
    s_.main.set_Tag(moment);
    s_.prompt.set_lunar_line(lunar.empty() ? weekday : lunar + " " + weekday);
    s_.main.set_today_text("今天：" + moment);
    nanjieanjian();
}

void DisplayTick::nanjieanjian() {
    const int position = s_.settings.options.rejian.list_index();
    if (position < 0 || position >= static_cast<int>(model::kHotkeyKeys.size())) return;
    if (!s_.settings.options.Check3[model::option::kHotkeyActive].checked()) return;
    if (s_.keyboard.key_is_down(model::kHotkeyKeys[static_cast<size_t>(position)])) {
        s_.announcer.bofang_shijian(sound::announce::kCurrentTime);
    }
}

}  // namespace tockly::engine
