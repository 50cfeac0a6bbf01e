#pragma once

// The prompt window as the reminder engine sees it: the display mode and message it sets, the
// action button or hint line it keeps in step, the lunar line of the display tick, showing,
// hiding and opacity. The engine needs nothing else of the window.

#include <string>

#include "tockly/model/prompt_window_limits.h"

namespace tockly::windows {

// Display modes (the window's Tag); an alarm's mode is "定时" followed by its number.
namespace mode {
inline constexpr const char* kIdle = "现在时间";
inline constexpr const char* kChime = "整点报时";
inline constexpr const char* kAlarmPrefix = "定时";
inline constexpr const char* kCountdown = "剩余3分钟";
// The notice of alarms that passed unheard; the notice is the message.
inline constexpr const char* kMissed = "错过的定时";
}  // namespace mode

inline constexpr const char* kCancelShutdownCaption = "点击取消关机";
inline constexpr const char* kStopPlaybackCaption = "点击停止播放";
inline constexpr const char* kSnoozeCaption = "稍后提醒";
inline constexpr const char* kAcknowledgeCaption = "知道了";
using model::kOpaque;

class PromptDisplay {
  public:
    virtual ~PromptDisplay() = default;
    virtual const std::string& Tag() const = 0;
    virtual void set_Tag(std::string mode) = 0;
    // The fired alarm's prompt text, shown after the mode in the alarm mode.
    virtual void set_alarm_text(std::string text) = 0;
    // The action button with `caption` instead of the hint line.
    virtual void show_action_button(const char* caption) = 0;
    // The hint line instead of the action button, whose caption goes back to
    // "点击取消关机".
    virtual void show_hint() = 0;
    // The fourth line: the lunar date and the weekday.
    virtual void set_lunar_line(std::string text) = 0;
    virtual bool visible() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void touming(int value) = 0;
};

// What the prompt window asks of the reminder engine.
class PromptWindowDelegate {
  public:
    virtual ~PromptWindowDelegate() = default;
    // Runs the reminder tick once, so that the button reflects an action at once.
    virtual void run_reminder_tick() = 0;
    // "稍后提醒" on alarm `number`'s prompt: the sound stopped, the slot comes again later.
    virtual void snooze_alarm(int number) = 0;
    // "知道了": the sound stopped, the alarm is done with.
    virtual void acknowledge_alarm() = 0;
};

}  // namespace tockly::windows
