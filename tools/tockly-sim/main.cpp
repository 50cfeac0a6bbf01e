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
    std::fprintf(stderr, "tockly-sim: %s。用法：%s\n", why.c_str(), tockly::sim::kSimUsage);
    return kBadArguments;
}

}  // namespace

int main(int argc, char** argv) {
    common::prepare_console_output();
    const std::vector<std::string> args = common::utf8_arguments(argc, argv);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::printf("用法：%s\n", tockly::sim::kSimUsage);
        return 0;
    }
    std::string error;
    const auto arguments = tockly::sim::parse_sim_arguments(args, error);
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
