// tockly-site: the program's site on one machine, for a local network or for trying Tockly
// against a site of one's own.
//   tockly-site [--address ADDRESS] [--port PORT] | --help
// Serves GET /time, /news and /upgrade until it receives SIGINT or SIGTERM.

#include <signal.h>

#include <charconv>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>

#include "tools/site-server/site_pages.h"
#include "tools/site-server/site_server.h"

namespace {

tockly::site::SiteServer* running = nullptr;

void stop_running(int) {
    if (running) running->stop();
}

tockly::site::LocalTime local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

constexpr const char* kUsage = "用法：tockly-site [--address 地址] [--port 端口]";

int usage(const std::string& problem) {
    std::cerr << "tockly-site：" << problem << "。" << kUsage << "\n";
    return 2;
}

int help() {
    std::cout << kUsage << "\n"
              << "  --address 地址  监听的 IPv4 或 IPv6 地址，默认 127.0.0.1\n"
              << "  --port 端口     监听的端口，0 到 65535，默认 8080；0 表示任选一个空闲端口\n"
              << "提供 GET /time、/news 和 /upgrade，收到 SIGINT 或 SIGTERM 时结束。\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tockly::site::ServerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help") return help();
        if (i + 1 >= argc) return usage("参数 " + std::string(name) + " 缺少取值");
        const std::string_view value = argv[++i];
        if (name == "--address") {
            options.address = std::string(value);
        } else if (name == "--port") {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), options.port);
            if (error != std::errc() || end != value.data() + value.size() || options.port < 0 ||
                options.port > 65535)
                return usage("端口应为 0 到 65535 之间的整数");
        } else {
            return usage("不认识的参数 " + std::string(name));
        }
    }

    try {
        tockly::site::SiteServer server(options, [](const tockly::site::RequestHead& request) {
            return tockly::site::answer(request, local_now(), TOCKLY_VERSION_CAPTION);
        });
        running = &server;
        struct sigaction on_stop {};
        on_stop.sa_handler = stop_running;
        sigaction(SIGINT, &on_stop, nullptr);
        sigaction(SIGTERM, &on_stop, nullptr);
        std::cout << "tockly-site: http://" << options.address << ":" << server.port() << "/"
                  << std::endl;
        server.serve();
        running = nullptr;
    } catch (const tockly::site::ServerError& error) {
        std::cerr << "tockly-site：无法在该地址上监听（" << error.what() << "）\n";
        return 1;
    }
    return 0;
}
