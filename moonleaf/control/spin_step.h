#pragma once

#include <cstdint>

namespace moonleaf {

// Which arrow button is held.
enum class SpinMode : std::int16_t {
    None = 0,
    YearDown = 1,
    YearUp = 2,
    MonthDown = 3,
    MonthUp = 4
};

// A press on an arrow steps at once; held, the arrow repeats once it has been held
// kSpinRepeatDelayMs, then on every expiry of the spin timer.
inline constexpr int kSpinTimerIntervalMs = 100;
inline constexpr int kSpinRepeatDelayMs = 400;

// Whether the spin timer's `tick`-th expiry since the press (counted from 1) steps.
bool spin_tick_steps(int tick);

struct SpinStep {
    int year = 0;
    int month = 0;
    bool stop = false;  // a limit of the year list was reached: the timer stops
    bool operator==(const SpinStep&) const = default;
};

// One step of a held arrow, from the year and month the labels show. The result always lies in
// January 1901 … December 2090.
SpinStep spin_step(SpinMode mode, int shown_year, int shown_month);

}  // namespace moonleaf
