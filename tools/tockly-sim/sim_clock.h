#pragma once

#include <cstdint>
#include <string>

#include "common/ole_date.h"
#include "tockly/platform/clock.h"

namespace tockly::sim {

// Simulated local time in whole milliseconds, so that 200 ms steps land exactly on whole
// seconds. The regional texts are the common Chinese Windows ones: "H:mm:ss" and "yyyy-M-d".
class SimClock : public platform::Clock {
  public:
    // Milliseconds since 1899-12-30 00:00, the start of OLE dates.
    explicit SimClock(std::int64_t start_ms) : now_ms_(start_ms) {}

    static std::int64_t ms_of(const common::YearMonthDay& date, int hour, int minute, int second);
    // Milliseconds since that moment's midnight.
    static std::int64_t ms_of_day(std::int64_t ms);

    std::int64_t now_ms() const { return now_ms_; }
    void set_ms(std::int64_t ms) { now_ms_ = ms; }
    // "HH:MM:SS.mmm", the stamp of each printed event.
    std::string stamp() const;

    float seconds_since_midnight() const override;
    common::OleDate now() const override;
    std::string time_text() const override;
    std::string short_date_text() const override { return format_short_date(now()); }
    std::string format_short_date(common::OleDate date) const override;
    std::optional<common::OleDate> parse_short_date(std::string_view text) const override;

  private:
    std::int64_t ms_of_day() const { return ms_of_day(now_ms_); }

    std::int64_t now_ms_;
};

}  // namespace tockly::sim
