#include "tockly/engine/shutdown.h"

#include <cmath>

#include "tockly/engine/guard_stamp.h"

namespace tockly::engine {

void Shutdown::arm() {
    s_.shared.guanjiyanshi = s_.clock.seconds_since_midnight();
    s_.shared.set_shifouguanji(model::kShutdownPending);
}

void Shutdown::warn(std::optional<float>& stamp, const char* kind) {
    const float now = s_.clock.seconds_since_midnight();
    if (guard_lets_through(stamp, now)) {
        stamp = now;
        s_.announcer.bofang_shijian(kind);
    }
}

void Shutdown::countdown_step() {
    const double now = s_.clock.seconds_since_midnight();
    double& start = s_.shared.guanjiyanshi.emplace(s_.shared.guanjiyanshi.value_or(0));
    const double elapsed = std::fabs(now - start);
    if (elapsed >= 9.5 && elapsed < 13.5) {
        warn(warnGuardTime3m, sound::announce::kThreeMinutesLeft);
    } else if (elapsed >= 60 && elapsed < 62) {
        warn(warnGuardTime2m, sound::announce::kTwoMinutesLeft);
    } else if (elapsed >= 120 && elapsed < 122) {
        warn(warnGuardTime1m, sound::announce::kOneMinuteLeft);
    } else if (elapsed >= 166 && elapsed < 170) {
        warn(warnGuardTime13s, sound::announce::kThirteenSecondsLeft);
    } else {
        start = model::countdown_start_seen_from(start, now);
    }
}

void Shutdown::final_action() {
    s_.prompt.hide();
    s_.main.Unload();
    qvx_guanjichuli("关机");
    s_.shared.shifouguanbi = model::kQuitting;
    s_.main.Unload();
}

void Shutdown::qvx_guanjichuli(const std::string& qvxstr) {
    using namespace platform::exit_flags;
    s_.main.Unload();
    unsigned flags = 0;
    bool known = true;
    if (qvxstr == "关机") {
        flags = kShutDown | kForce;
    } else if (qvxstr == "重启") {
        flags = kReboot | kForce;
    } else if (qvxstr == "注销") {
        flags = kLogOff | kForce;
    } else {
        known = false;
    }
    if (known) {
        if (s_.power.isNtPlatform()) s_.power.enableShutdownPrivilege();
        s_.power.exitWindows(flags);
    }
    s_.shared.shifouguanbi = model::kQuitting;
    s_.main.Unload();
}

}  // namespace tockly::engine
