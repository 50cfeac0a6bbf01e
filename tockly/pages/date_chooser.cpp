#include "tockly/pages/date_chooser.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace tockly::pages {

namespace {

constexpr const char* kEveryDay = "每天";
constexpr const char* kWeekdayPrefix = "星期";
constexpr std::array<const char*, 7> kDayMarks = {"1", "2", "3", "4", "5", "6", "日"};
constexpr std::array<const char*, 7> kDayCaptions = {"星期一", "星期二", "星期三", "星期四",
                                                     "星期五", "星期六", "星期日"};

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

DateChooser::DateChooser(model::ReminderSettings& settings, platform::CalendarControl& Moonleaf2,
                         platform::Clock& clock)
    : settings_(settings), Moonleaf2_(Moonleaf2), clock_(clock) {
    Frame7.visible = false;
    for (int i = 0; i < 7; ++i) weekday(i) = ui::CheckBox(1, kDayCaptions[static_cast<size_t>(i)]);
    Check1[7].visible = false;
    Check1[7].enabled = false;
    custom() = ui::CheckBox(0, "自定义日期");
}

void DateChooser::dingshi_riqi_Click(int k) {
    const std::string rule = settings_.slots[static_cast<size_t>(k)].dingshi_riqi.caption;
    xuanzeriqi.tag = std::to_string(k);
    xuanzeriqi.caption = rule;

    opening_ = true;
    std::array<bool, 7> days{};
    const bool weekday_rule = rule == kEveryDay || contains(rule, kWeekdayPrefix);
    bool custom_date = !weekday_rule;
    if (rule == kEveryDay) {
        days.fill(true);
    } else if (weekday_rule) {
        bool any = false;
        for (size_t i = 0; i < days.size(); ++i) any |= days[i] = contains(rule, kDayMarks[i]);
        custom_date = !any;
    }
    // The calendar holds the rule's date before the custom box is ticked; a rule that is no
    // date leaves the calendar where it was.
    if (custom_date) {
        if (const std::optional<common::OleDate> date = clock_.parse_short_date(rule))
            Moonleaf2_.set_Value(*date);
    } else {
        Moonleaf2_.set_Value(clock_.now().date_only());
    }
    // A date rule keeps the weekday ticks of the last opening.
    if (weekday_rule) {
        for (int i = 0; i < 7; ++i) weekday(i).set_value(days[static_cast<size_t>(i)] ? 1 : 0);
    }
    custom().set_value(custom_date ? 1 : 0);
    enable_weekdays(!custom_date);
    opening_ = false;
    Frame7.visible = true;
}

void DateChooser::Check1_Click(int i) {
    if (opening_) return;
    if (i == kCustomDateBox) {
        if (custom().checked()) {
            enable_weekdays(false);
        } else {
            for (int d = 0; d < 7; ++d) weekday(d).set_value(1);
            enable_weekdays(true);
        }
    } else {
        bool any = false;
        for (int d = 0; d < 7; ++d) any |= weekday(d).checked();
        if (!any) custom().set_value(1);
    }
    rebuild_rule();
}

void DateChooser::Moonleaf2_Click() {
    custom().set_value(1);
    xuanzeriqi.caption = clock_.format_short_date(Moonleaf2_.Value());
}

void DateChooser::Command2_Click(int e) {
    Frame7.visible = false;
    if (e != 0) return;
    int k = -1;
    const std::string& tag = xuanzeriqi.tag;
    std::from_chars(tag.data(), tag.data() + tag.size(), k);
    if (k < 0 || k >= model::kSlotCount) return;
    settings_.slots[static_cast<size_t>(k)].dingshi_riqi.caption = xuanzeriqi.caption;
}

void DateChooser::enable_weekdays(bool enabled) {
    for (int d = 0; d < 7; ++d) weekday(d).enabled = enabled;
}

void DateChooser::rebuild_rule() {
    xuanzeriqi.caption = rule_from_boxes();
}

std::string DateChooser::rule_from_boxes() {
    if (custom().checked()) return clock_.format_short_date(Moonleaf2_.Value());
    std::string rule = kWeekdayPrefix;
    for (int d = 0; d < 7; ++d) {
        if (weekday(d).checked()) rule += std::string(kDayMarks[static_cast<size_t>(d)]) + ",";
    }
    if (rule.back() == ',') rule.pop_back();
    return rule == "星期1,2,3,4,5,6,日" ? kEveryDay : rule;
}

}  // namespace tockly::pages
