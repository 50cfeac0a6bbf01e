#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "tockly/platform/win32/system_time_win32.h"

namespace tockly::platform {
namespace {

// Stands in for SetLocalTime: the tests must never change this machine's clock. (Wine 8.0
// refuses any change of more than half a second anyway, and cannot reach the host's clock.)
struct ClockCall {
    SYSTEMTIME time;
    bool privilege_enabled;
};
std::vector<ClockCall> g_calls;
DWORD g_error = 0;

bool system_time_privilege_enabled() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    LUID wanted = {};
    LookupPrivilegeValueW(nullptr, L"SeSystemtimePrivilege", &wanted);
    alignas(TOKEN_PRIVILEGES) char buffer[4096];
    DWORD size = 0;
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &size)) {
        const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer);
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
            if (p.Luid.LowPart == wanted.LowPart && p.Luid.HighPart == wanted.HighPart) {
                enabled = (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
            }
        }
    }
    CloseHandle(token);
    return enabled;
}

BOOL WINAPI recording_clock(const SYSTEMTIME* time) {
    g_calls.push_back({*time, system_time_privilege_enabled()});
    SetLastError(g_error);
    return g_error == 0;
}

TEST(Win32SystemTime, SetsTheFieldsWithThePrivilegeEnabled) {
    g_calls.clear();
    g_error = 0;
    const SetTimeResult result =
        Win32SystemTime(&recording_clock).set_local_time({2010, 4, 5, 11, 42, 51});
    EXPECT_TRUE(result.ok);
    ASSERT_FALSE(g_calls.empty());
    const SYSTEMTIME& t = g_calls[0].time;
    EXPECT_EQ(t.wYear, 2010);
    EXPECT_EQ(t.wMonth, 4);
    EXPECT_EQ(t.wDay, 5);
    EXPECT_EQ(t.wHour, 11);
    EXPECT_EQ(t.wMinute, 42);
    EXPECT_EQ(t.wSecond, 51);
    EXPECT_EQ(t.wMilliseconds, 0);
    EXPECT_TRUE(g_calls[0].privilege_enabled);
}

TEST(Win32SystemTime, RefusalIsReportedWithItsReason) {
    const struct {
        DWORD error;
        bool not_permitted;
    } cases[] = {{ERROR_PRIVILEGE_NOT_HELD, true}, {ERROR_INVALID_PARAMETER, false}};
    for (const auto& c : cases) {
        g_calls.clear();
        g_error = c.error;
        const SetTimeResult result =
            Win32SystemTime(&recording_clock).set_local_time({2010, 4, 5, 11, 42, 51});
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.not_permitted, c.not_permitted);
        EXPECT_NE(result.error.find("(" + std::to_string(c.error) + ")"), std::string::npos)
            << result.error;
        EXPECT_GT(result.error.size(), 8u) << "no system text in " << result.error;
        EXPECT_EQ(g_calls.size(), 1u);
    }
}

}  // namespace
}  // namespace tockly::platform
