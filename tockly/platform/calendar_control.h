#pragma once

#include <functional>
#include <string>

#include "common/ole_date.h"

namespace tockly::platform {

// The embedded lunar calendar control as Tockly sees it. On Windows this is a proxy to the
// control created by its ProgID; tests plug in a fake. Dates go in by value, texts come back
// as the caller's own strings.
class CalendarControl {
  public:
    virtual ~CalendarControl() = default;

    virtual common::OleDate Value() const = 0;
    virtual void set_Value(common::OleDate value) = 0;

    virtual std::string GetChineseDate(common::OleDate theDate) = 0;
    virtual std::string GetChineseYear(common::OleDate theDate) = 0;
    virtual std::string GetChineseMonth(common::OleDate theDate) = 0;
    virtual std::string GetChineseDay(common::OleDate theDate) = 0;
    virtual std::string GetChineseAnimal(common::OleDate theDate) = 0;
    virtual std::string GetConstellation(common::OleDate theDate) = 0;
    // Marks the month view's official off days with 休 and makeup workdays with 班.
    virtual void set_ShowHolidays(bool show) = 0;

    // Raised when the user clicks a day.
    std::function<void()> Click;
};

}  // namespace tockly::platform
