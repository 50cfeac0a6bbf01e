#include "tools/site-server/site_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <regex>
#include <thread>
#include <vector>

#include "tools/site-server/site_pages.h"

namespace tockly::site {
namespace {

// The site on a free loopback port, serving from its own thread for one test.
class RunningSite {
  public:
    explicit RunningSite(int read_timeout_ms = 30000)
        : server_({"127.0.0.1", 0, read_timeout_ms, 1000},
                  [](const RequestHead& request) {
                      return answer(request, {2010, 4, 5, 11, 42, 51}, "8.09");
                  }),
          thread_([this] { server_.serve(); }) {}
    ~RunningSite() {
        server_.stop();
        thread_.join();
    }
    int port() const { return server_.port(); }

  private:
    SiteServer server_;
    std::thread thread_;
};

// From `from`, any address of the loopback network, so that a test can be many clients.
int connect_to(int port, in_addr_t from = INADDR_LOOPBACK) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    timeval timeout{5, 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    sockaddr_in source{};
    source.sin_family = AF_INET;
    source.sin_addr.s_addr = htonl(from);
    ::bind(s, reinterpret_cast<sockaddr*>(&source), sizeof source);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(s);
        return -1;
    }
    return s;
}

// Sends `request` and reads the whole answer; the server closes after it. Empty when no
// answer came within the client's five seconds.
std::string exchange_on(int s, const std::string& request) {
    ::send(s, request.data(), request.size(), MSG_NOSIGNAL);
    std::string reply;
    char buffer[4096];
    ssize_t n;
    while ((n = ::recv(s, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, n);
    ::close(s);
    return n == 0 ? reply : "";
}

std::string exchange(int port, const std::string& request) {
    const int s = connect_to(port);
    return s < 0 ? "" : exchange_on(s, request);
}

// Whether the server has closed its side: an end of stream (or a reset) is waiting.
bool closed_by_server(int s) {
    pollfd polled{s, POLLIN, 0};
    char byte;
    return ::poll(&polled, 1, 0) == 1 && ::recv(s, &byte, 1, MSG_DONTWAIT) <= 0;
}

// Room for `count` descriptors besides the few the process holds, raising the soft limit as
// far as the hard one allows.
bool can_open(rlim_t count) {
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_cur >= count + 64) return true;
    limit.rlim_cur = std::min(limit.rlim_max, count + 64);
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur >= count + 64;
}

const std::string kTimeRequest = "GET /time HTTP/1.1\r\nHost: a\r\n\r\n";

// Right status, a body as long as Content-Length says, and the expected body.
bool reply_is(const std::string& reply, int status, const std::regex& body) {
    const std::size_t split = reply.find("\r\n\r\n");
    if (split == std::string::npos) return false;
    const std::string head = reply.substr(0, split), content = reply.substr(split + 4);
    std::smatch length;
    return head.starts_with("HTTP/1.1 " + std::to_string(status) + " ") &&
           std::regex_search(head, length, std::regex("Content-Length: (\\d+)\r\n")) &&
           std::stoul(length[1]) == content.size() && std::regex_search(content, body);
}

TEST(SiteServer, AnswersAThousandRequestsFiftyAtATime) {
    RunningSite site;
    const struct {
        std::string request;
        int status;
        std::regex body;
    } kinds[] = {
        {"GET /time HTTP/1.1\r\nHost: a\r\n\r\n", 200, std::regex("^2010-4-5\\|11:42:51$")},
        {"GET /news HTTP/1.1\r\nHost: a\r\n\r\n", 200, std::regex("农历庚寅年")},
        {"GET /upgrade HTTP/1.0\r\n\r\n", 200, std::regex("Tockly 8\\.09")},
        {"GET /elsewhere HTTP/1.1\r\nHost: a\r\n\r\n", 404, std::regex("404")},
        {"NONSENSE\r\n\r\n", 400, std::regex("400")},
    };
    constexpr int kClients = 50, kEach = 20;
    std::atomic<int> good{0};
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            for (int i = 0; i < kEach; ++i) {
                const auto& kind = kinds[(c + i) % std::size(kinds)];
                if (reply_is(exchange(site.port(), kind.request), kind.status, kind.body)) ++good;
            }
        });
    }
    for (std::thread& client : clients) client.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(good, kClients * kEach);
    std::printf("%d requests, %d at a time, in %.3f s (%.0f per second)\n", kClients * kEach,
                kClients, seconds, kClients * kEach / seconds);
}

TEST(SiteServer, SilentClientsDoNotHoldUpOthers) {
    const struct {
        int addresses;  // the silent clients' loopback addresses, from 127.0.0.1 on
        int each;
        bool idlest_closed;  // the first silent connection makes room for the request
    } cases[] = {
        {1, 20, false},
        {20, 50, true},  // the whole connection cap, with the request from a client of its own
        {1, 64, true},   // one client's limit, the request from that client
    };
    ASSERT_TRUE(can_open(2 * 1000 + 10)) << "this test needs 2,010 descriptors";
    for (const auto& c : cases) {
        RunningSite site;  // silent clients would be dropped only after 30 s
        std::vector<int> silent;
        for (int i = 0; i < c.addresses * c.each; ++i)
            silent.push_back(connect_to(site.port(), INADDR_LOOPBACK + i % c.addresses));
        ::send(silent[1], "GET /ti", 7, MSG_NOSIGNAL);
        EXPECT_TRUE(reply_is(exchange(site.port(), kTimeRequest), 200, std::regex("\\|11:42:51$")))
            << c.addresses << " x " << c.each;
        EXPECT_EQ(closed_by_server(silent[0]), c.idlest_closed) << c.addresses << " x " << c.each;
        EXPECT_FALSE(closed_by_server(silent[1])) << c.addresses << " x " << c.each;
        for (int s : silent) ::close(s);
    }
}

TEST(SiteServer, RestsTheListenerWhileItCannotAccept) {
    RunningSite site;
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    // With the limit one above the next free descriptor, the client's socket takes the last
    // one and the server's accept fails until the limit is back.
    const int next_free = ::open("/dev/null", O_RDONLY);
    ::close(next_free);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(next_free) + 1;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    const int client = connect_to(site.port());
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ::getrusage(RUSAGE_SELF, &after);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    const auto seconds = [](const rusage& u) {
        return u.ru_utime.tv_sec + u.ru_stime.tv_sec +
               (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    };
    const double busy = seconds(after) - seconds(before);
    std::printf("CPU used in 1 s of failing accepts: %.3f s\n", busy);
    EXPECT_LT(busy, 0.2);
    ASSERT_GE(client, 0);
    EXPECT_TRUE(reply_is(exchange_on(client, kTimeRequest), 200, std::regex("\\|11:42:51$")))
        << "answered once descriptors are free again";
}

TEST(SiteServer, DropsClientsThatDoNotFinishTheirRequest) {
    RunningSite site(200);
    EXPECT_TRUE(reply_is(exchange(site.port(), "GET /ti"), 408, std::regex("408")));
    const int silent = connect_to(site.port());
    char buffer[16];
    EXPECT_EQ(::recv(silent, buffer, sizeof buffer, 0), 0) << "closed without an answer";
    ::close(silent);
}

TEST(SiteServer, ReportsAnAddressItCannotUse) {
    EXPECT_THROW(SiteServer({"not-an-address", 0}, nullptr), ServerError);
    RunningSite site;
    EXPECT_THROW(SiteServer({"127.0.0.1", site.port()}, nullptr), ServerError);
}

}  // namespace
}  // namespace tockly::site
