#include <gtest/gtest.h>

#include <windows.h>

#include "tockly/platform/win32/clock_win32.h"
#include "tockly/platform/win32/wake_timer_win32.h"

namespace tockly::platform {
namespace {

common::OleDate seconds_from_now(double seconds) {
    return common::OleDate(Win32Clock().now().serial() + seconds / 86400.0);
}

// Nothing here can be put to sleep, but the timer must come due at the local moment asked for,
// and not at all once cancelled.
TEST(Win32WakeTimer, ComesDueAtTheLocalMomentSetAndNotWhenCancelled) {
    Win32WakeTimer wake;
    ASSERT_NE(wake.timer(), nullptr);
    wake.set_for(seconds_from_now(2));
    EXPECT_EQ(::WaitForSingleObject(wake.timer(), 1000), WAIT_TIMEOUT);
    EXPECT_EQ(::WaitForSingleObject(wake.timer(), 3000), WAIT_OBJECT_0);

    wake.set_for(seconds_from_now(1));
    wake.set_for(std::nullopt);
    EXPECT_EQ(::WaitForSingleObject(wake.timer(), 2500), WAIT_TIMEOUT);
}

}  // namespace
}  // namespace tockly::platform
