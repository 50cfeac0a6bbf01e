#pragma once

// The holiday file "节假日.txt" beside the program (UTF-8, the lunar engine's holiday text): it
// adds years to the built-in official schedule or replaces them, and the program keeps it up
// to date from the site. Tockly decides its official-calendar rules on this schedule; the
// calendar control's month view knows the built-in years.

#include <optional>
#include <string>
#include <utility>

#include "moonleaf/lunar/official_holidays.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/http.h"

namespace tockly::shell {

inline constexpr const char* kHolidayFileName = "节假日.txt";

class HolidayFile {
  public:
    struct Services {
        platform::FileSystem& files;
        platform::Http& http;
        platform::Clock& clock;
    };
    explicit HolidayFile(const Services& services);

    // The built-in schedule with the file's years over it.
    const moonleaf::HolidaySchedule& schedule() const { return schedule_; }

    // Reads the file; damaged lines are skipped, a missing file leaves the built-in years.
    void load();
    // The request runs on the tick, up to the Http service's 10 seconds once a month: the
    // portable core starts no threads (the Windows build's thread runtime fails under Wine).
    // The first call in a month fetches the notice of the year that decides today (in December
    // the next year's) unless it is built in: a reply with status 200 whose every line is good
    // and that holds that year alone goes into the file; anything else keeps the file as it is.
    void fetch_when_due();

  private:
    std::string path() const;
    // The years the file holds, from the file itself.
    moonleaf::HolidaySchedule file_years() const;
    std::optional<moonleaf::HolidaySchedule> fetched_year(int year);
    void store(const moonleaf::HolidaySchedule& years);

    Services s_;
    moonleaf::HolidaySchedule schedule_;
    // The year and month of the last fetch.
    std::optional<std::pair<int, int>> fetched_in_;
};

}  // namespace tockly::shell
