#include <gtest/gtest.h>

#include "tockly/platform/win32/power_win32.h"

namespace tockly::platform {
namespace {

// The exit call itself is never made here: it would end the test session.
TEST(Win32Power, AnswersWithoutExiting) {
    Win32Power power;
    EXPECT_TRUE(power.isNtPlatform());
    power.enableShutdownPrivilege();
    const std::string name = localComputerName();
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 15u * 3);
}

}  // namespace
}  // namespace tockly::platform
