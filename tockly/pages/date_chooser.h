#pragma once

// The panel that edits a slot's day rule ("定时日期选择"): seven weekday boxes, a custom date box
// with the calendar Moonleaf2, the official-calendar boxes "法定工作日" and "法定节假日", the
// lunar box "农历" with its yearly/monthly, month and day lists, the rule text being built,
// "确  定" and "取  消". The rule is "每天", "星期" with the chosen days ("1"-"6", "日"), one
// date in the clock's short date format, "法定工作日", "法定节假日" or a lunar rule
// (tockly/model/lunar_rule.h). The custom date, official and lunar boxes exclude one another
// and the weekdays; with none of them ticked the weekdays decide.

#include <array>
#include <string>

#include "tockly/model/lunar_rule.h"
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
    // Element 0 "法定工作日", 1 "法定节假日".
    void fading_Click(int i);
    void nongli_Click();
    // A choice in any of the three lunar lists.
    void nongli_list_Change();

    ui::Label Frame7{"定时日期选择"};
    // Weekdays 0-6 (Monday first) and the custom date box at 8; element 7 does not exist and
    // stays hidden.
    std::array<ui::CheckBox, 9> Check1;
    // The rule being built; its tag holds the number of the slot edited (its index as text).
    ui::Label xuanzeriqi;
    std::array<ui::Button, 2> Command2{ui::Button("确  定"), ui::Button("取  消")};
    std::array<ui::CheckBox, 2> fading{ui::CheckBox(0, "法定工作日"),
                                       ui::CheckBox(0, "法定节假日")};
    ui::CheckBox nongli{0, "农历"};
    // "每年", "每月".
    ui::ListBox nongli_zhouqi;
    // 正月 … 腊月, then 闰正月 … 闰腊月.
    ui::ListBox nongli_yue;
    // 初一 … 三十.
    ui::ListBox nongli_ri;

  private:
    ui::CheckBox& weekday(int i) { return Check1[static_cast<size_t>(i)]; }
    ui::CheckBox& custom() { return Check1[kCustomDateBox]; }
    void enable_weekdays(bool enabled);
    // A box among the custom date, official and lunar boxes was ticked or cleared.
    void kind_Click(ui::CheckBox& box);
    std::array<ui::CheckBox*, 4> kind_boxes() {
        return {&custom(), &fading[0], &fading[1], &nongli};
    }
    void enable_lunar_lists();
    void show_lunar_rule(const model::LunarRule& rule);
    model::LunarRule lunar_rule_from_lists() const;
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
