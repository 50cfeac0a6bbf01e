#include "moonleaf/control/spin_step.h"

#include <algorithm>

#include "moonleaf/control/selector_list.h"

namespace moonleaf {

bool spin_tick_steps(int tick) {
    return tick * kSpinTimerIntervalMs >= kSpinRepeatDelayMs;
}

SpinStep spin_step(SpinMode mode, int shown_year, int shown_month) {
    // Labels outside the lists (a host clock far off) are brought into them first.
    int year = std::clamp(shown_year, kFirstListedYear, kLastListedYear);
    int month = std::clamp(shown_month, 1, 12);
    bool stop = false;
    switch (mode) {
        case SpinMode::None:
            break;
        case SpinMode::YearDown:
            if (--year < kFirstListedYear) year = kFirstListedYear, stop = true;
            break;
        case SpinMode::YearUp:
            if (++year > kLastListedYear) year = kLastListedYear, stop = true;
            break;
        case SpinMode::MonthDown:
            if (--month < 1) {
                if (year == kFirstListedYear)
                    month = 1;
                else
                    month = 12, --year;
            }
            stop = year == kFirstListedYear && month == 1;
            break;
        case SpinMode::MonthUp:
            if (++month > 12) {
                if (year == kLastListedYear)
                    month = 12;
                else
                    month = 1, ++year;
            }
            stop = year == kLastListedYear && month == 12;
            break;
    }
    return {year, month, stop};
}

}  // namespace moonleaf
