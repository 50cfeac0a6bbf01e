// The date chooser Frame7 "定时日期选择", over the page area while a slot's day rule is edited:
// the weekday boxes, the custom date box, the calendar Moonleaf2, the rule being built and the
// two buttons.
#pragma once

#include "tockly/pages/date_chooser.h"
#include "tockly/win32/calendar/moonleaf_calendar.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

class DateChooserView {
  public:
    // `page` is the alarm page the chooser covers while it is open.
    DateChooserView(Panel& overlay, Panel& page, pages::DateChooser& chooser,
                    MoonleafCalendar& Moonleaf2);

    // Places the calendar at the overlay's DPI (after every layout of the overlay).
    void place_calendar();
    // Shows or hides the overlay as the chooser's frame says.
    void sync();

  private:
    Panel& overlay_;
    Panel& page_;
    pages::DateChooser& chooser_;
    MoonleafCalendar& Moonleaf2_;
    bool placed_ = false;
};

}  // namespace tockly::win32
