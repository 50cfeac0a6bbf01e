#include <gtest/gtest.h>

#include "tests/tockly/win32/loopback_server.h"
#include "tockly/platform/win32/http_win32.h"

namespace tockly::platform {
namespace {

using test::LoopbackServer;

std::string http_reply(const std::string& status, const std::string& body) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

TEST(Win32Http, BodyComesBackAsSent) {
    using namespace std::string_literals;
    // What the body means (a time or not) is for the caller to judge.
    for (const std::string& body :
         {"2010-4-5|11:42:51"s, "2010-4-5 11:42:51"s, "\x01\xFE garbage \x00\x7F\xC3"s, ""s}) {
        LoopbackServer server(http_reply("200 OK", body));
        const HttpReply reply = Win32Http().get(server.address());
        EXPECT_TRUE(reply.ok) << reply.error;
        EXPECT_EQ(reply.body, body);
    }
}

TEST(Win32Http, LongBodyIsCutAtTheLimit) {
    LoopbackServer server(http_reply("200 OK", std::string(10 * 1024 * 1024, '7')));
    const HttpReply reply = Win32Http().get(server.address());
    EXPECT_TRUE(reply.ok) << reply.error;
    EXPECT_EQ(reply.body.size(), Win32Http::kBodyLimit);
}

TEST(Win32Http, FailuresCarryTheReason) {
    LoopbackServer missing_page(http_reply("404 Not Found", "2010-4-5|11:42:51"));
    LoopbackServer not_http("garbage without a status line\r\n\r\n2010-4-5|11:42:51");
    const std::string nobody = "http://127.0.0.1:" + std::to_string(LoopbackServer::unused_port());
    for (const std::string& address :
         {missing_page.address(), not_http.address(), nobody, std::string("no address")}) {
        const HttpReply reply = Win32Http().get(address);
        EXPECT_FALSE(reply.ok) << address;
        EXPECT_FALSE(reply.error.empty()) << address;
    }
}

TEST(Win32Http, SilentServerIsGivenUpWithinTheTimeLimit) {
    LoopbackServer silent("");
    const ULONGLONG start = GetTickCount64();
    const HttpReply reply = Win32Http().get(silent.address());
    const ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_FALSE(reply.ok);
    EXPECT_NE(reply.error.find("(12002)"), std::string::npos) << reply.error;  // timed out
    EXPECT_LE(elapsed, Win32Http::kTimeLimitMs + 1000);
}

}  // namespace
}  // namespace tockly::platform
