#pragma once

// The page "定时一览": every alarm slot at a glance, one row per slot in slot order. A row's
// box switches its slot on or off as the slot's own check box does, and opening a row shows
// that slot on the page "闹钟定时".

#include <array>
#include <string>
#include <vector>

#include "moonleaf/lunar/official_holidays.h"
#include "tockly/engine/day_rule.h"
#include "tockly/engine/unpublished_year_notice.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/pages/alarm_editor.h"
#include "tockly/pages/page_host.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"

namespace tockly::pages {

inline constexpr std::array<const char*, 5> kOverviewColumns = {"启用", "时间", "日期规则",
                                                                "提示文字", "下一次"};

struct AlarmRow {
    // "定时 1" ... "定时 50", beside the row's box.
    std::string name;
    bool enabled = false;
    std::string time;
    std::string rule;
    std::string text;
    // The next due date and time in the regional short date format, empty for none.
    std::string next;
    bool operator==(const AlarmRow&) const = default;
};

class AlarmOverview {
  public:
    struct Services {
        model::ReminderSettings& settings;
        AlarmEditor& editor;
        platform::Clock& clock;
        PageHost& host;
        // What the day rules are decided with, as the reminder tick decides them.
        platform::CalendarControl& calendar;
        const moonleaf::HolidaySchedule& schedule;
    };
    explicit AlarmOverview(const Services& services)
        : s_(services), rules_{services.clock, services.calendar, services.schedule, notice_} {}
    AlarmOverview(const AlarmOverview&) = delete;
    AlarmOverview& operator=(const AlarmOverview&) = delete;

    // As the slots are now.
    std::vector<AlarmRow> rows() const;
    // Row k's box (k = slot number - 1).
    void set_enabled(int k, bool on);
    // A double-click or Enter on row k.
    void open(int k);

  private:
    AlarmRow row(int k) const;

    Services s_;
    // Looking ahead is no alarm coming up: the notice about an unpublished year is the tick's
    // to give, so the overview's rules tell one of their own that nobody reads.
    engine::UnpublishedYearNotice notice_;
    engine::DayRuleServices rules_;
};

}  // namespace tockly::pages
