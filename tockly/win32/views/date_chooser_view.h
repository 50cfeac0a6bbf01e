// The date chooser Frame7 "定时日期选择", over the page area while a slot's day rule is edited:
// the weekday boxes, the custom date box, the calendar Moonleaf2, the rule being built and the
// two buttons.
#pragma once

#include "tockly/pages/date_chooser.h"
#include "tockly/win32/calendar/moonleaf_calendar.h"
#include "tockly/win32/views/main_window_view.h"

namespace tockly::win32 {

class DateChooserView {
  public:
    // The chooser lies on the main window's overlay, in the place of the pages.
    DateChooserView(MainWindowView& main, pages::DateChooser& chooser, MoonleafCalendar& Moonleaf2);

    // Places the calendar at the overlay's DPI (after every layout of the overlay).
    void place_calendar();
    // Shows or hides the overlay as the chooser's frame says.
    void sync();

  private:
    MainWindowView& main_;
    Panel& overlay_;
    GroupBinding& frame_;
    pages::DateChooser& chooser_;
    MoonleafCalendar& Moonleaf2_;
    bool placed_ = false;
};

}  // namespace tockly::win32
