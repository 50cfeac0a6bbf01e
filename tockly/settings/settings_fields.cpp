#include "tockly/settings/settings_fields.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "tockly/model/number_text.h"
#include "tockly/model/quiet_hours.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/settings/settings_numbers.h"

namespace tockly::settings_file {

namespace {

using model::kSlotCount;
using model::numeric_value;
namespace option = model::option;

// Least room the prompt window needs on the screen, twips: its width and its height.
constexpr double kPromptRoomWidth = model::kPromptWidthTwips;
constexpr double kPromptRoomHeight = model::kPromptHeightTwips;
constexpr double kPromptFallbackTop = 1000;
constexpr const char* kEveryDay = "每天";
constexpr const char* kDayRuleTooltip = "点击进行日期选择";

// A numeric value rounded half to even into the range of a whole number.
int rounded(double value) {
    const double whole = std::nearbyint(value);
    if (whole <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (whole >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(whole);
}

// A line taken as a whole number: text that is no number leaves the control as it was.
template <typename Setter>
void apply_whole_number(const std::string& line, Setter set) {
    if (const std::optional<long> value = whole_number(line)) set(static_cast<int>(*value));
}

SettingsField check_field(int line, ui::CheckBox& box) {
    return {line, [&box] { return std::to_string(box.value()); },
            [&box](const std::string& text) {
                apply_whole_number(text, [&box](int value) { box.set_value(value); });
            }};
}

SettingsField list_field(int line, ui::ListBox& list) {
    return {line, [&list] { return std::to_string(list.list_index()); },
            [&list](const std::string& text) {
                apply_whole_number(text, [&list](int value) { list.set_list_index(value); });
            }};
}

SettingsField path_field(int line, ui::TextBox& box) {
    return {line, [&box] { return box.text(); },
            [&box](const std::string& text) { box.set_text(text); }, true};
}

// The chime page's reaction to the text keeps the interval a whole number of minutes.
SettingsField interval_field(int line, ui::TextBox& box) {
    return {line, [&box] { return shortest_decimal(numeric_value(box.text())); },
            [&box](const std::string& text) { box.set_text(text); }};
}

SettingsField voice_pack_field(int line, ui::ListBox& packs) {
    return {line, [&packs] { return std::to_string(packs.list_index()); },
            [&packs](const std::string& text) {
                const int position = rounded(numeric_value(text));
                packs.set_list_index(position < packs.list_count() ? position : 0);
            }};
}

SettingsField quiet_time_field(int line, ui::TextBox& box, const char* fallback) {
    return {line, [&box, fallback] { return model::quiet_time_text(box.text(), fallback); },
            [&box, fallback](const std::string& text) {
                box.set_text(model::quiet_time_text(text, fallback));
            }};
}

// Lines 523-525: the chime's quiet hours.
void add_quiet_hours_fields(std::vector<SettingsField>& fields, model::ChimeSettings& chime) {
    fields.push_back(check_field(523, chime.yejian_miandarao));
    fields.push_back(quiet_time_field(524, chime.miandarao_kaishi, model::kQuietFromDefault));
    fields.push_back(quiet_time_field(525, chime.miandarao_jieshu, model::kQuietToDefault));
}

SettingsField day_rule_field(int line, ui::Label& rule) {
    return {line, [&rule] { return rule.caption; },
            [&rule](const std::string& text) {
                const bool blank = text.find_first_not_of(' ') == std::string::npos;
                rule.caption = blank ? kEveryDay : text;
                rule.tooltip = kDayRuleTooltip;
            },
            true};
}

SettingsField prompt_text_field(int line, ui::TextBox& box) {
    return {line, [&box] { return box.text(); },
            [&box](const std::string& text) {
                if (!text.empty()) box.set_text(text);
            },
            true};
}

void add_slot_block(std::vector<SettingsField>& fields, model::AlarmSlot& slot, int first) {
    fields.push_back(check_field(first, slot.dingshi));
    fields.push_back(list_field(first + 1, slot.dingshi_shi));
    fields.push_back(list_field(first + 2, slot.dingshi_fen));
    fields.push_back(check_field(first + 3, slot.dingshi_guanji));
    fields.push_back(check_field(first + 4, slot.dingshi_wenzi));
    fields.push_back(check_field(first + 5, slot.dingshi_xuan_shengyin));
    fields.push_back(list_field(first + 6, slot.dingshi_shengyin));
    fields.push_back(path_field(first + 7, slot.dingshi_wenjian));
}

void add_prompt_window_fields(std::vector<SettingsField>& fields, model::AppOptions& options,
                              PromptPlacement& prompt) {
    fields.push_back({414,
                      [&prompt] { return shortest_decimal(prompt.screen_width() - prompt.left()); },
                      [&prompt](const std::string& text) {
                          const double width = prompt.screen_width();
                          double left = width - numeric_value(text);
                          if (left > width - kPromptRoomWidth || left < 0)
                              left = width - kPromptRoomWidth;
                          prompt.move(left, prompt.top());
                      }});
    fields.push_back({415, [&prompt] { return shortest_decimal(prompt.top()); },
                      [&prompt](const std::string& text) {
                          double top = numeric_value(text);
                          if (top < 0 || top > prompt.screen_height() - kPromptRoomHeight)
                              top = kPromptFallbackTop;
                          prompt.move(prompt.left(), top);
                      }});
    ui::Slider& opacity = options.Slider1;
    fields.push_back({416, [&opacity] { return std::to_string(opacity.value()); },
                      [&opacity, &prompt](const std::string& text) {
                          // The range is checked on the value as written: 24.6 is out of it.
                          const double written = numeric_value(text);
                          const int value =
                              model::opacity_in_range(written) ? rounded(written) : model::kOpaque;
                          prompt.touming(value);
                          opacity.set_value(value);
                      }});
    ui::CheckBox& on_top = options.Check3[option::kPromptOnTop];
    fields.push_back({417, [&on_top] { return std::to_string(on_top.value()); },
                      [&on_top, &prompt](const std::string& text) {
                          const bool keep_on_top = numeric_value(text) == 1;
                          prompt.shangceng_Click(keep_on_top ? 0 : 1);
                          on_top.set_value(keep_on_top ? 1 : 0);
                      }});
}

// An on/off line of the newer options: only "1" is on, so that an older file's missing line
// reads the default, off.
SettingsField switch_field(int line, ui::CheckBox& box) {
    return {line, [&box] { return std::to_string(box.value()); },
            [&box](const std::string& text) { box.set_value(text == "1" ? 1 : 0); }};
}

// Lines 520-522: waking the computer, the snooze minutes and ringing until heard.
void add_alarm_care_fields(std::vector<SettingsField>& fields, model::AppOptions& options) {
    fields.push_back(switch_field(520, options.wake_computer));
    ui::ListBox& snooze = options.snooze_minutes;
    fields.push_back({521, [&options] { return std::to_string(options.snooze_length_minutes()); },
                      [&snooze](const std::string& text) {
                          const auto& minutes = model::kSnoozeMinutes;
                          const auto found =
                              std::find_if(minutes.begin(), minutes.end(),
                                           [&text](int m) { return text == std::to_string(m); });
                          snooze.set_list_index(found == minutes.end()
                                                    ? 0
                                                    : static_cast<int>(found - minutes.begin()));
                      }});
    fields.push_back(switch_field(522, options.ring_until_heard));
}

}  // namespace

std::vector<SettingsField> settings_fields(model::ReminderSettings& settings,
                                           PromptPlacement& prompt) {
    std::vector<SettingsField> fields;
    fields.reserve(kSettingsLineCount);
    model::ChimeSettings& chime = settings.chime;
    fields.push_back(check_field(1, chime.zhengdian));
    fields.push_back(interval_field(2, chime.zhengdian_jiange));
    fields.push_back(check_field(3, chime.zhengdian_wenzi));
    fields.push_back(check_field(4, chime.zhengdian_xuan_shengyin));
    fields.push_back(list_field(5, chime.zhengdian_shengyin));
    fields.push_back(path_field(6, chime.zhengdian_wenjian));
    fields.push_back(check_field(7, chime.zhengdian_mingxing));
    fields.push_back(voice_pack_field(8, chime.zhengdian_shengyin_mingxing));
    for (int k = 0; k < kSlotCount; ++k) add_slot_block(fields, settings.slots[k], 9 + 8 * k);

    model::AppOptions& options = settings.options;
    fields.push_back(check_field(409, options.Check3[option::kAutoStart]));
    fields.push_back(check_field(410, options.Check3[option::kStartMinimised]));
    fields.push_back(check_field(411, options.Check3[option::kHotkeyActive]));
    fields.push_back(list_field(412, options.rejian));
    fields.push_back(check_field(413, options.Check3[option::kShowPromptAtStart]));
    add_prompt_window_fields(fields, options, prompt);

    for (int k = 0; k < kSlotCount; ++k) {
        fields.push_back(day_rule_field(418 + 2 * k, settings.slots[k].dingshi_riqi));
        fields.push_back(prompt_text_field(419 + 2 * k, settings.slots[k].dingshi_text));
    }

    ui::Slider& volume = options.Slider2;
    fields.push_back({518, [&volume] { return std::to_string(volume.value()); },
                      [&volume](const std::string& text) {
                          const double written = numeric_value(text);
                          volume.set_value(written < 1 ? 100 : rounded(written));
                      }});
    ui::CheckBox& news = options.Check3[option::kShowNews];
    fields.push_back(
        {519, [&news] { return std::to_string(news.value()); },
         [&news](const std::string& text) { news.set_value(numeric_value(text) == 0 ? 0 : 1); }});
    add_alarm_care_fields(fields, options);
    add_quiet_hours_fields(fields, chime);
    return fields;
}

}  // namespace tockly::settings_file
