#pragma once

#include <string>

namespace tockly::pages {

// What the pages ask of the main window that holds them.
class PageHost {
  public:
    virtual ~PageHost() = default;
    // The title of the program's message boxes.
    virtual std::string title() const = 0;
    // Whether the reminder timer Timer1 runs; a double-click announces the time only then.
    virtual bool reminder_timer_running() const = 0;
    // Brings the page "闹钟定时" to the front.
    virtual void show_alarm_page() = 0;
};

}  // namespace tockly::pages
