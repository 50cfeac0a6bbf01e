#include "tockly/pages/date_chooser.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "tockly/model/custom_date.h"

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
    nongli_zhouqi.add_item("每年");
    nongli_zhouqi.add_item("每月");
    for (const char* leap : {"", "闰"})
        for (int m = 1; m <= model::kLunarMonthCount; ++m)
            nongli_yue.add_item(leap + std::string(model::lunar_month_name(m)));
    for (int d = 1; d <= model::kLunarDayCount; ++d)
        nongli_ri.add_item(std::string(model::lunar_day_name(d)));
    show_lunar_rule({false, false, 1, 1});
    enable_lunar_lists();
}

void DateChooser::dingshi_riqi_Click(int k) {
    const std::string rule = settings_.slots[static_cast<size_t>(k)].dingshi_riqi.caption;
    xuanzeriqi.tag = std::to_string(k);
    xuanzeriqi.caption = rule;

    opening_ = true;
    std::array<bool, 7> days{};
    const bool weekday_rule = rule == kEveryDay || contains(rule, kWeekdayPrefix);
    const std::optional<model::LunarRule> lunar = model::parse_lunar_rule(rule);
    const bool workdays = rule == model::kOfficialWorkdaysRule;
    const bool holidays = rule == model::kOfficialHolidaysRule;
    bool custom_date = !weekday_rule && !lunar && !workdays && !holidays;
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
        if (const std::optional<common::OleDate> date = model::custom_rule_date(rule, clock_))
            Moonleaf2_.set_Value(*date);
    } else {
        Moonleaf2_.set_Value(clock_.now().date_only());
    }
    // A date rule keeps the weekday ticks of the last opening.
    if (weekday_rule) {
        for (int i = 0; i < 7; ++i) weekday(i).set_value(days[static_cast<size_t>(i)] ? 1 : 0);
    }
    custom().set_value(custom_date ? 1 : 0);
    fading[0].set_value(workdays ? 1 : 0);
    fading[1].set_value(holidays ? 1 : 0);
    nongli.set_value(lunar ? 1 : 0);
    if (lunar) show_lunar_rule(*lunar);
    enable_weekdays(!custom_date && !lunar && !workdays && !holidays);
    enable_lunar_lists();
    opening_ = false;
    Frame7.visible = true;
}

void DateChooser::Check1_Click(int i) {
    if (opening_) return;
    if (i == kCustomDateBox) {
        kind_Click(custom());
        return;
    }
    bool any = false;
    for (int d = 0; d < 7; ++d) any |= weekday(d).checked();
    if (!any) custom().set_value(1);
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

void DateChooser::fading_Click(int i) {
    if (!opening_) kind_Click(fading[static_cast<size_t>(i)]);
}

void DateChooser::nongli_Click() {
    if (!opening_) kind_Click(nongli);
}

void DateChooser::nongli_list_Change() {
    if (opening_) return;
    enable_lunar_lists();
    if (nongli.checked()) rebuild_rule();
}

void DateChooser::kind_Click(ui::CheckBox& box) {
    const std::array<ui::CheckBox*, 4> kinds = kind_boxes();
    if (box.checked()) {
        // Clearing the others runs their reactions, which must not rebuild in between.
        opening_ = true;
        for (ui::CheckBox* other : kinds)
            if (other != &box) other->set_value(0);
        opening_ = false;
        enable_weekdays(false);
    } else if (std::none_of(kinds.begin(), kinds.end(),
                            [](const ui::CheckBox* b) { return b->checked(); })) {
        for (int d = 0; d < 7; ++d) weekday(d).set_value(1);
        enable_weekdays(true);
    }
    enable_lunar_lists();
    rebuild_rule();
}

void DateChooser::enable_lunar_lists() {
    nongli_zhouqi.enabled = nongli_ri.enabled = nongli.checked();
    // A monthly rule has no month.
    nongli_yue.enabled = nongli.checked() && nongli_zhouqi.list_index() != 1;
}

void DateChooser::show_lunar_rule(const model::LunarRule& rule) {
    nongli_zhouqi.set_list_index(rule.every_month ? 1 : 0);
    if (!rule.every_month)
        nongli_yue.set_list_index(rule.month - 1 + (rule.leap ? model::kLunarMonthCount : 0));
    nongli_ri.set_list_index(rule.day - 1);
}

model::LunarRule DateChooser::lunar_rule_from_lists() const {
    const int month = std::max(nongli_yue.list_index(), 0);
    model::LunarRule rule;
    rule.every_month = nongli_zhouqi.list_index() == 1;
    if (!rule.every_month) {
        rule.leap = month >= model::kLunarMonthCount;
        rule.month = month % model::kLunarMonthCount + 1;
    }
    rule.day = std::max(nongli_ri.list_index(), 0) + 1;
    return rule;
}

void DateChooser::enable_weekdays(bool enabled) {
    for (int d = 0; d < 7; ++d) weekday(d).enabled = enabled;
}

void DateChooser::rebuild_rule() {
    xuanzeriqi.caption = rule_from_boxes();
}

std::string DateChooser::rule_from_boxes() {
    if (custom().checked()) return clock_.format_short_date(Moonleaf2_.Value());
    if (fading[0].checked()) return std::string(model::kOfficialWorkdaysRule);
    if (fading[1].checked()) return std::string(model::kOfficialHolidaysRule);
    if (nongli.checked()) return model::lunar_rule_text(lunar_rule_from_lists());
    std::string rule = kWeekdayPrefix;
    for (int d = 0; d < 7; ++d) {
        if (weekday(d).checked()) rule += std::string(kDayMarks[static_cast<size_t>(d)]) + ",";
    }
    if (rule.back() == ',') rule.pop_back();
    return rule == "星期1,2,3,4,5,6,日" ? kEveryDay : rule;
}

}  // namespace tockly::pages
