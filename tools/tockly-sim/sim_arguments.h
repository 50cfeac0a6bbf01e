#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tockly::sim {

// What the user does at a moment of the run.
enum class UserAction {
    kPressAction,   // the prompt window's action button
    kAnnounceNow,   // tray "现在报时(&B)"
    kStopCustom,    // tray "停止播放自定义MP3(&T)"
    kTrayExit,      // tray "退出(&T)"
    kTogglePrompt,  // tray "显示提示窗口(&K)"
    kPromptClose,   // a double-click on the prompt window
    kHotkeyDown,    // the chosen hotkey is held at that moment
    kDoubleClick,   // a double-click on the main window's background
    kStall,         // the UI thread is blocked for `amount_ms`: no tick runs, the clock goes on
    kSleep,         // the computer sleeps for `amount_ms`, then resumes
    kSetClock,      // the clock is set to `amount_ms` (since 1899-12-30 00:00)
    kSnooze,        // the prompt window's "稍后提醒"
    kAcknowledge,   // the prompt window's "知道了"
};

struct TimedAction {
    std::int64_t ms_of_day;
    UserAction action;
    std::int64_t amount_ms = 0;
};

struct SimArguments {
    std::int64_t start_ms = 0;  // since 1899-12-30 00:00, local time
    std::int64_t seconds = 0;
    std::optional<std::string> settings_path;
    std::optional<std::string> program_dir;
    std::vector<std::string> packs;
    std::int64_t clip_ms = 1000;
    std::vector<TimedAction> actions;
    // Also print "tip TEXT" each time the tray tip changes.
    bool show_tip = false;
};

// The command line's form, for --help and after an error.
extern const char* const kSimUsage;

// The command line, or a one-line explanation in `error` of what is wrong with it.
std::optional<SimArguments> parse_sim_arguments(const std::vector<std::string>& args,
                                                std::string& error);

}  // namespace tockly::sim
