#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tockly::sim {

// What the user asks the prompt window or the tray menu to do at a moment of the run.
enum class UserAction {
    kPressAction,  // the prompt window's action button
    kAnnounceNow,  // tray "现在报时(&B)"
    kStopCustom,   // tray "停止播放自定义MP3(&T)"
};

struct TimedAction {
    std::int64_t ms_of_day;
    UserAction action;
};

struct SimArguments {
    std::int64_t start_ms = 0;  // since 1899-12-30 00:00, local time
    std::int64_t seconds = 0;
    std::optional<std::string> settings_path;
    std::optional<std::string> program_dir;
    std::vector<std::string> packs;
    std::int64_t clip_ms = 1000;
    std::vector<TimedAction> actions;
};

// The command line, or a one-line explanation in `error` of what is wrong with it.
std::optional<SimArguments> parse_sim_arguments(const std::vector<std::string>& args,
                                                std::string& error);

}  // namespace tockly::sim
