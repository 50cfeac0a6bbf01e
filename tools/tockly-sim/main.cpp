// tockly-sim: runs Tockly's reminder core against a simulated clock and simulated players and
// prints, line by line, what it does.
#include <cstdio>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/console_output.h"
#include "tools/tockly-sim/real_program_folder.h"
#include "tools/tockly-sim/sim_arguments.h"
#include "tools/tockly-sim/simulation.h"

namespace {

constexpr int kBadArguments = 2;

int fail(const std::string& why) {
    std::fprintf(stderr,
                 "tockly-sim: %s。用法：tockly-sim --start \"YYYY-MM-DD HH:MM:SS\" --seconds N "
                 "[--settings 文件] [--program-dir 文件夹] [--packs 名称,...] "
                 "[--clip-seconds 秒] [--show-tip] [--at \"HH:MM:SS\" press-action|announce-now|"
                 "stop-custom|tray-exit|toggle-prompt|prompt-close|hotkey-down|double-click]...\n",
                 why.c_str());
    return kBadArguments;
}

}  // namespace

int main(int argc, char** argv) {
    common::prepare_console_output();
    std::string error;
    const auto arguments =
        tockly::sim::parse_sim_arguments(common::utf8_arguments(argc, argv), error);
    if (!arguments) return fail(error);
    std::optional<std::string> settings;
    if (arguments->settings_path) {
        settings = tockly::sim::read_local_file(*arguments->settings_path);
        if (!settings) return fail("无法读取设置文件“" + *arguments->settings_path + "”");
    }
    if (arguments->program_dir && !tockly::sim::is_folder(*arguments->program_dir))
        return fail("程序文件夹“" + *arguments->program_dir + "”不存在");
    tockly::sim::Simulation simulation(*arguments, std::move(settings), stdout);
    simulation.run();
    return 0;
}
