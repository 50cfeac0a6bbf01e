#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "common/ole_date.h"

namespace tockly::engine {

// Tells the user, once a year, that an official-calendar alarm goes by Monday to Friday because
// the year's holiday notice is not published yet: the notice goes with the alarm's own text on
// the first day it comes up (every tick of that day that shows the text again keeps it).
class UnpublishedYearNotice {
  public:
    // An official-calendar rule was just decided on `day` for `year`, which has no notice.
    void decided_without_notice(int year, common::OleDate day) { pending_ = {year, day.day()}; }
    // What to add to the text of the alarm now due: the notice on its year's first such day,
    // otherwise nothing.
    std::string take();

  private:
    std::optional<std::pair<int, long>> pending_;
    std::map<int, long> told_on_;  // year -> day serial
};

}  // namespace tockly::engine
