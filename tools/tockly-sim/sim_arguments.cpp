#include "tools/tockly-sim/sim_arguments.h"

#include <charconv>
#include <cmath>
#include <set>

#include "common/ole_date.h"
#include "tockly/platform/fakes/fake_clock.h"

namespace tockly::sim {

namespace {

// A month of simulated time is more than anyone checks, and keeps a run short.
constexpr std::int64_t kMaxSeconds = 31LL * 86400;
constexpr double kMaxClipSeconds = 3600;

std::optional<int> two_digits(std::string_view text, int max) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return std::nullopt;
    const int value = (text[0] - '0') * 10 + (text[1] - '0');
    return value <= max ? std::optional(value) : std::nullopt;
}

// "HH:MM:SS" as milliseconds since midnight.
std::optional<std::int64_t> parse_time(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    const auto hour = two_digits(text.substr(0, 2), 23);
    const auto minute = two_digits(text.substr(3, 2), 59);
    const auto second = two_digits(text.substr(6, 2), 59);
    if (!hour || !minute || !second) return std::nullopt;
    return ((*hour * 60 + *minute) * 60 + *second) * std::int64_t{1000};
}

std::optional<std::int64_t> parse_start(std::string_view text) {
    if (text.size() != 19 || text[10] != ' ') return std::nullopt;
    const auto date = common::parse_iso_date(text.substr(0, 10));
    const auto time = parse_time(text.substr(11));
    if (!date || !time || date->year < 1900 || date->year > 9998) return std::nullopt;
    return platform::FakeClock::ms_of(*date, 0, 0, 0) + *time;
}

std::optional<std::int64_t> parse_count(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::optional<std::int64_t> parse_clip_ms(std::string_view text) {
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !(seconds > 0) ||
        seconds > kMaxClipSeconds)
        return std::nullopt;
    const auto ms = static_cast<std::int64_t>(std::llround(seconds * 1000));
    return ms > 0 ? std::optional(ms) : std::nullopt;
}

std::optional<UserAction> parse_action(std::string_view text) {
    if (text == "press-action") return UserAction::kPressAction;
    if (text == "announce-now") return UserAction::kAnnounceNow;
    if (text == "stop-custom") return UserAction::kStopCustom;
    if (text == "tray-exit") return UserAction::kTrayExit;
    if (text == "toggle-prompt") return UserAction::kTogglePrompt;
    if (text == "prompt-close") return UserAction::kPromptClose;
    if (text == "hotkey-down") return UserAction::kHotkeyDown;
    if (text == "double-click") return UserAction::kDoubleClick;
    if (text == "stall") return UserAction::kStall;
    if (text == "sleep") return UserAction::kSleep;
    if (text == "set-clock") return UserAction::kSetClock;
    if (text == "snooze") return UserAction::kSnooze;
    if (text == "acknowledge") return UserAction::kAcknowledge;
    return std::nullopt;
}

bool takes_value(UserAction action) {
    return action == UserAction::kStall || action == UserAction::kSleep ||
           action == UserAction::kSetClock;
}

// The value after a stall, a sleep or a clock setting; nothing when it does not fit.
std::optional<std::int64_t> action_amount(UserAction action, std::string_view text) {
    if (action == UserAction::kSetClock) return parse_start(text);
    const auto seconds = parse_count(text);
    if (!seconds || *seconds > kMaxSeconds) return std::nullopt;
    return *seconds * 1000;
}

std::optional<std::vector<std::string>> parse_packs(std::string_view text) {
    std::vector<std::string> packs;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string_view name = text.substr(start, comma - start);
        if (name.empty() || name.find_first_of("\\/:*?\"<>|") != std::string_view::npos)
            return std::nullopt;
        packs.emplace_back(name);
        if (comma == std::string_view::npos) return packs;
        start = comma + 1;
    }
}

}  // namespace

const char* const kSimUsage =
    "tockly-sim --start \"YYYY-MM-DD HH:MM:SS\" --seconds N [--settings 文件] "
    "[--program-dir 文件夹] [--packs 名称,...] [--clip-seconds 秒] [--show-tip] "
    "[--at \"HH:MM:SS\" press-action|announce-now|stop-custom|tray-exit|toggle-prompt|"
    "prompt-close|hotkey-down|double-click|snooze|acknowledge|stall 秒|sleep 秒|"
    "set-clock \"YYYY-MM-DD HH:MM:SS\"]...";

std::optional<SimArguments> parse_sim_arguments(const std::vector<std::string>& args,
                                                std::string& error) {
    SimArguments parsed;
    bool have_start = false;
    bool have_seconds = false;
    auto fail = [&error](std::string why) {
        error = std::move(why);
        return std::nullopt;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        static const std::set<std::string> kOptions = {
            "--start", "--seconds",      "--settings", "--program-dir",
            "--packs", "--clip-seconds", "--at",       "--show-tip"};
        if (!kOptions.count(option)) return fail("不认识的参数“" + option + "”");
        if (option == "--show-tip") {
            parsed.show_tip = true;
            continue;
        }
        size_t values = option == "--at" ? 2 : 1;
        std::optional<UserAction> action;
        if (option == "--at" && i + 2 < args.size()) {
            action = parse_action(args[i + 2]);
            if (action && takes_value(*action)) values = 3;
        }
        if (i + values >= args.size()) return fail(option + " 后面缺少参数");
        const std::string& value = args[i + 1];
        if (option == "--start") {
            const auto start = parse_start(value);
            if (!start) return fail("起始时间“" + value + "”应写成 YYYY-MM-DD HH:MM:SS");
            parsed.start_ms = *start;
            have_start = true;
        } else if (option == "--seconds") {
            const auto seconds = parse_count(value);
            if (!seconds || *seconds > kMaxSeconds)
                return fail("秒数“" + value + "”应是 0 到 2678400 之间的整数");
            parsed.seconds = *seconds;
            have_seconds = true;
        } else if (option == "--settings") {
            parsed.settings_path = value;
        } else if (option == "--program-dir") {
            parsed.program_dir = value;
        } else if (option == "--packs") {
            const auto packs = parse_packs(value);
            if (!packs) return fail("明星报时包的名称“" + value + "”无效");
            parsed.packs = *packs;
        } else if (option == "--clip-seconds") {
            const auto clip_ms = parse_clip_ms(value);
            if (!clip_ms) return fail("片段时长“" + value + "”应是 0 到 3600 之间的秒数");
            parsed.clip_ms = *clip_ms;
        } else if (option == "--at") {
            const auto time = parse_time(value);
            if (!time) return fail("时间“" + value + "”应写成 HH:MM:SS");
            if (!action) return fail("不认识的操作“" + args[i + 2] + "”");
            std::int64_t amount = 0;
            if (takes_value(*action)) {
                const auto parsed_amount = action_amount(*action, args[i + 3]);
                if (!parsed_amount) {
                    return fail(*action == UserAction::kSetClock
                                    ? "时钟“" + args[i + 3] + "”应写成 YYYY-MM-DD HH:MM:SS"
                                    : "秒数“" + args[i + 3] + "”应是 0 到 2678400 之间的整数");
                }
                amount = *parsed_amount;
            }
            parsed.actions.push_back({*time, *action, amount});
        }
        i += values;
    }
    if (!have_start || !have_seconds) return fail("必须给出 --start 和 --seconds");
    if (parsed.program_dir && !parsed.packs.empty())
        return fail("--packs 只用于虚拟的程序文件夹，不能与 --program-dir 同时使用");
    return parsed;
}

}  // namespace tockly::sim
