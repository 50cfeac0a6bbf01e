#include "tockly/pages/options_page.h"

#include "tockly/model/number_text.h"

namespace tockly::pages {

namespace option = model::option;

namespace {

constexpr const char* kKeyHeld = "按下";
constexpr const char* kKeyReleased = "抬起";

}  // namespace

std::string OptionsPage::auto_start_command() const {
    return "\"" + s_.files.program_file() + "\"";
}

bool OptionsPage::run_value_starts_this_program() const {
    return s_.registry.string_value(kRunKey, kRunValue) == auto_start_command();
}

void OptionsPage::auto_start_Click(ui::CheckBox& box) {
    if (showing_registry_) return;
    platform::Registry& registry = s_.registry;
    // Removing a value that is not there is done already.
    const bool done = box.checked()
                          ? registry.create_key(kRunKey) &&
                                registry.set_string_value(kRunKey, kRunValue, auto_start_command())
                          : registry.delete_value(kRunKey, kRunValue) ||
                                !registry.string_value(kRunKey, kRunValue);
    if (done) return;
    platform::tell(s_.message_box, std::string(kAutoStartFailed) + "：" + registry.failure_reason(),
                   s_.host.title());
    showing_registry_ = true;
    box.set_value(run_value_starts_this_program() ? 1 : 0);
    showing_registry_ = false;
}

void OptionsPage::Check3_Click(int index) {
    if (index < 0 || index >= static_cast<int>(s_.options.Check3.size())) return;
    ui::CheckBox& box = s_.options.Check3[static_cast<size_t>(index)];
    switch (index) {
        case option::kAutoStart:
            auto_start_Click(box);
            break;
        case option::kHotkeyActive:
            s_.options.rejian.enabled = box.checked();
            break;
        case option::kTransparency:
        case option::kChimeVolume:
            box.set_value(1);  // these adjustments cannot be switched off
            break;
        case option::kPromptOnTop:
            s_.effects.set_prompt_topmost(box.checked());
            break;
        case option::kShowNews:
            s_.effects.show_news(box.checked());
            break;
        default:  // read at start-up only
            break;
    }
}

void OptionsPage::Slider1_Scroll() {
    s_.effects.set_prompt_opacity(s_.options.Slider1.value());
}

void OptionsPage::rejian_KeyDown() {
    ui::ListBox& list = s_.options.rejian;
    if (list.tag.ends_with(kKeyHeld)) {
        list.set_list_index(static_cast<int>(model::numeric_value(list.tag)));
    } else {
        list.tag = std::to_string(list.list_index()) + kKeyHeld;
    }
}

void OptionsPage::rejian_KeyUp() {
    ui::ListBox& list = s_.options.rejian;
    // Only a release after a press on the list puts the choice back: a release alone (the
    // focus came with the key, as Tab brings it) would undo the mouse's choice made since.
    if (list.tag.ends_with(kKeyHeld))
        list.set_list_index(static_cast<int>(model::numeric_value(list.tag)));
    list.tag = std::to_string(list.list_index()) + kKeyReleased;
}

void OptionsPage::background_DblClick() {
    if (s_.host.reminder_timer_running())
        s_.announcer.bofang_shijian(sound::announce::kCurrentTime);
}

}  // namespace tockly::pages
