#pragma once

// Setting the computer's clock from the program's time page, after asking: a service of its
// own, used by the date lookup page's "Internet对时" and the tray's "与Internet进行对时(&W)".

#include <string>

#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/http.h"
#include "tockly/platform/message_box.h"
#include "tockly/platform/system_time.h"

namespace tockly::internet_time {

inline constexpr const char* kSyncQuestion = "确实与 internet 进行对时吗？";
inline constexpr const char* kSyncFailed = "对时失败，可能网络繁忙，请稍后再试！";
inline constexpr const char* kSyncDone = "与 internet 进行对时成功！现在时间：";
// When the system refuses to set the clock: the time the page gave, and what would help.
std::string clock_not_set_message(const platform::LocalDateTime& page_time);

class TimeSync {
  public:
    struct Services {
        platform::Http& http;
        platform::SystemTime& system_time;
        platform::Clock& clock;
        platform::MessageBox& message_box;
        // The date lookup calendar, which shows today after a synchronisation.
        platform::CalendarControl& Moonleaf1;
        // The title of its message boxes.
        std::string title;
    };
    // `time_page` is the HTTPS address of the program's time page.
    TimeSync(const Services& services, std::string time_page)
        : s_(services), time_page_(std::move(time_page)) {}

    // Asks, fetches, sets the clock, selects today on the calendar and reports; true when the
    // clock was set.
    bool run();

  private:
    Services s_;
    std::string time_page_;
};

}  // namespace tockly::internet_time
