#include "tockly/windows/prompt_window.h"

#include <algorithm>
#include <cmath>

#include "tockly/model/text_functions.h"
#include "tockly/model/time_text.h"

namespace tockly::windows {

PromptWindow::PromptWindow(const Services& services)
    : Label1{ui::Label(mode::kIdle), ui::Label("00:00:00"), ui::Label("00:00:00"),
             ui::Label("00:00:00")},
      clock_(services.clock),
      shared_(services.shared),
      sound_(services.sound),
      announcer_(services.announcer),
      options_(services.options) {
    Command1.visible = false;
    snooze_button.visible = false;
    acknowledge_button.visible = false;
}

void PromptWindow::set_Tag(std::string mode) {
    if (mode == tag_) return;
    tag_ = std::move(mode);
    // In the alarm mode the two buttons take the place of the date and lunar lines.
    const bool alarm = alarm_number().has_value();
    snooze_button.visible = alarm;
    acknowledge_button.visible = alarm;
    Label1[2].visible = !alarm;
    Label1[3].visible = !alarm;
    taps.tell([this](PromptWindowTap& tap) { tap.mode_changed(tag_); });
}

void PromptWindow::set_alarm_text(std::string text) {
    if (text == Label1[0].tag) return;
    Label1[0].tag = std::move(text);
    taps.tell([this](PromptWindowTap& tap) { tap.message_changed(Label1[0].tag); });
}

void PromptWindow::show_action_button(const char* caption) {
    Command1.caption = caption;
    Command1.visible = true;
    Label2.visible = false;
}

void PromptWindow::show_hint() {
    Command1.visible = false;
    Command1.caption = kCancelShutdownCaption;
    Label2.visible = true;
}

void PromptWindow::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    taps.tell([this](PromptWindowTap& tap) { tap.visibility_changed(visible_); });
}

std::string PromptWindow::status_text(const std::string& minutes,
                                      const std::string& seconds) const {
    if (tag_ == mode::kIdle) return mode::kIdle;
    if (tag_ == mode::kChime) return " *整点报时* ";
    if (tag_ == mode::kMissed) return alarm_text();
    if (tag_.find(mode::kAlarmPrefix) != std::string::npos) {
        return " *" + tag_ + "* " + alarm_text();
    }
    if (tag_ == mode::kCountdown && !minutes.empty()) {
        return " *定时关机* 剩余时间:" + minutes + "分" + seconds + "秒 ";
    }
    return Label1[0].caption;
}

void PromptWindow::refresh() {
    const double now = clock_.seconds_since_midnight();
    std::string minutes;
    std::string seconds;
    if (shared_.guanjiyanshi && std::isfinite(*shared_.guanjiyanshi)) {
        const double start = model::countdown_start_seen_from(*shared_.guanjiyanshi, now);
        double left = std::floor(181 - (now - start));
        left = std::clamp(left, 0.0, 1e9);
        const auto remaining = static_cast<long long>(left);
        minutes = model::two_digit(std::to_string(remaining / 60));
        seconds = model::two_digit(std::to_string(remaining % 60));
    }

    const std::string status = status_text(minutes, seconds);
    if (status != Label1[0].caption) {
        Label1[0].caption = status;
        taps.tell([&status](PromptWindowTap& tap) { tap.status_changed(status); });
    }
    Label1[0].tooltip = Label1[0].caption;
    Label1[1].caption = model::biaozhungeshi(clock_.time_text());
    if (Width != picture_width || Height != picture_height) {
        Width = picture_width;
        Height = picture_height;
    }
    const auto today = clock_.now().ymd();
    Label1[2].caption = std::to_string(today.year) + "年" + std::to_string(today.month) + "月" +
                        std::to_string(today.day) + "日";
}

void PromptWindow::close_request() {
    if (shared_.shifouguanji().empty()) hide();
}

void PromptWindow::Command1_Click() {
    if (Command1.caption == kStopPlaybackCaption) {
        sound_.tingzhi_shengyin("Mp3Play1");
        sound_.tingzhi_shengyin("Mp3Play2");
        if (delegate_) delegate_->run_reminder_tick();
    } else {
        shared_.set_shifouguanji("");
        if (delegate_) delegate_->run_reminder_tick();
        announcer_.bofang_shijian(sound::announce::kShutdownCancelled);
    }
    set_Tag(mode::kIdle);
}

std::optional<int> PromptWindow::alarm_number() const {
    const std::string_view prefix = mode::kAlarmPrefix;
    if (!tag_.starts_with(prefix) || tag_.size() == prefix.size()) return std::nullopt;
    int number = 0;
    for (const char c : std::string_view(tag_).substr(prefix.size())) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
        if (number > model::kSlotCount) return std::nullopt;
    }
    return number;
}

void PromptWindow::snooze_Click() {
    const std::optional<int> number = alarm_number();
    if (!number) return;
    // Counted from the press, not from the end of the stop's wait.
    if (delegate_) delegate_->snooze_alarm(*number);
    dismiss_alarm();
}

void PromptWindow::acknowledge_Click() {
    if (!alarm_number()) return;
    // The ringing ends first: the stop lets messages run, and a tick meanwhile would start the
    // sound of an alarm still ringing again.
    if (delegate_) delegate_->acknowledge_alarm();
    dismiss_alarm();
}

void PromptWindow::dismiss_alarm() {
    // Without its step the spoken time does not go on to its next clip after the stop.
    sound_.Mp3Play1.Tag.clear();
    sound_.tingzhi_shengyin("Mp3Play1");
    set_Tag(mode::kIdle);
    close_request();
}

void PromptWindow::touming(int value) {
    if (!model::opacity_in_range(value)) value = kOpaque;
    layered_ = true;
    // Applied every time, as the window's layered alpha is: the same value set again is
    // still a call the view makes.
    alpha_ = value;
    taps.tell([this](PromptWindowTap& tap) { tap.alpha_set(alpha_); });
}

void PromptWindow::wenjian1_Click(int index) {
    if (index < 0 || index >= kTransparencySteps) return;
    const int value = transparency_alpha(index);
    options_.Slider1.set_value(value);
    touming(value);
}

void PromptWindow::set_topmost(bool topmost) {
    if (topmost == topmost_) return;
    topmost_ = topmost;
    taps.tell([this](PromptWindowTap& tap) { tap.layer_changed(topmost_); });
}

void PromptWindow::shangceng_Click(int element) {
    if (element != 0 && element != 1) return;
    set_topmost(element == 0);
    options_.Check3[model::option::kPromptOnTop].set_value(element == 0 ? 1 : 0);
}

std::string transparency_caption(int index) {
    return "透明度" + std::to_string((index + 1) * 10) + "%";
}

int transparency_alpha(int index) {
    // The default rounding mode rounds halves to even, as the menu's values require.
    return static_cast<int>(std::nearbyint((index + 1) * 25.5));
}

}  // namespace tockly::windows
