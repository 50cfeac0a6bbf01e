#pragma once

#include "tockly/platform/calendar_control.h"

namespace tockly::platform {

// A calendar control that answers from the lunar engine the real control is built on, so
// that the simulator and the tests decide lunar day rules as the program does. Like the
// control, a date outside 1901-01-01 … 2090-12-31 is answered for `Value`.
class LunarCalendarControl : public CalendarControl {
  public:
    common::OleDate Value() const override { return value_; }
    void set_Value(common::OleDate value) override { value_ = value; }

    std::string GetChineseDate(common::OleDate theDate) override;
    std::string GetChineseYear(common::OleDate theDate) override;
    std::string GetChineseMonth(common::OleDate theDate) override;
    std::string GetChineseDay(common::OleDate theDate) override;
    std::string GetChineseAnimal(common::OleDate theDate) override;
    std::string GetConstellation(common::OleDate theDate) override;
    void set_ShowHolidays(bool) override {}

  private:
    common::OleDate answered_date(common::OleDate theDate) const;

    common::OleDate value_ = common::OleDate::from_ymd(2026, 1, 1);
};

}  // namespace tockly::platform
