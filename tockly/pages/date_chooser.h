#pragma once

// The panel that edits a slot's day rule ("定时日期选择"): seven weekday boxes, a custom date box
// with the calendar Moonleaf2, the rule text being built, "确  定" and "取  消". The rule is
// "每天", "星期" with the chosen days ("1"-"6", "日") or one date in the clock's short date
// format, the same format the tick compares with today.

#include <array>
#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/ui/controls.h"

namespace tockly::pages {

inline constexpr int kCustomDateBox = 8;

class DateChooser {
  public:
    DateChooser(model::ReminderSettings& settings, platform::CalendarControl& Moonleaf2,
                platform::Clock& clock);
    DateChooser(const DateChooser&) = delete;
    DateChooser& operator=(const DateChooser&) = delete;

    // A click on slot k's rule label opens the panel on that slot's rule.
    void dingshi_riqi_Click(int k);
    // Elements 0-6 (Monday-Sunday) and 8 (the custom date).
    void Check1_Click(int i);
    // The calendar's Click.
    void Moonleaf2_Click();
    // 0 "确  定" stores the rule in the slot, 1 "取  消" leaves it.
    void Command2_Click(int e);

    ui::Label Frame7{"定时日期选择"};
    // Weekdays 0-6 (Monday first) and the custom date box at 8; element 7 does not exist and
    // stays hidden.
    std::array<ui::CheckBox, 9> Check1;
    // The rule being built; its tag holds the number of the slot edited (its index as text).
    ui::Label xuanzeriqi;
    std::array<ui::Button, 2> Command2{ui::Button("确  定"), ui::Button("取  消")};

  private:
    ui::CheckBox& weekday(int i) { return Check1[static_cast<size_t>(i)]; }
    ui::CheckBox& custom() { return Check1[kCustomDateBox]; }
    void enable_weekdays(bool enabled);
    void rebuild_rule();
    std::string rule_from_boxes();

    model::ReminderSettings& settings_;
    platform::CalendarControl& Moonleaf2_;
    platform::Clock& clock_;
    // While a slot's rule is put into the boxes, their reactions stay still: the rule shown is
    // the slot's own, not one rebuilt from half-set boxes.
    bool opening_ = false;
};

}  // namespace tockly::pages
