#pragma once

#include <string>

namespace tockly::platform {

// A local date and time of day, as the computer's clock is set.
struct LocalDateTime {
    int year = 0;
    int month = 0;   // 1-12
    int day = 0;     // 1-31
    int hour = 0;    // 0-23
    int minute = 0;  // 0-59
    int second = 0;  // 0-59
};

struct SetTimeResult {
    bool ok = false;
    // The system refused for lack of the right to change the clock (administrator rights).
    bool not_permitted = false;
    // The system's reason when `ok` is false.
    std::string error;
};

// Sets the computer's local date and time.
class SystemTime {
  public:
    virtual ~SystemTime() = default;
    virtual SetTimeResult set_local_time(const LocalDateTime& when) = 0;
};

}  // namespace tockly::platform
