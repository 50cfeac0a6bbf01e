// Tockly's calendar: the Moonleaf control, created by its ProgID (through the program's
// application manifest, with Moonleaf2.ocx beside the executable, or through the registry) and
// called by dispatch identifier only. Without the control the program still runs: the place of
// the calendar shows a short message and the lunar texts are empty.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/event_sink.h"
#include "common/win32/ole_control_site.h"
#include "common/win32/unique_handle.h"
#include "tockly/platform/calendar_control.h"

namespace tockly::win32 {

class MoonleafCalendar final : public platform::CalendarControl {
  public:
    // Creates the control; COM must be initialised for this (the UI) thread. The properties
    // and methods work at once, before the calendar is placed in a window.
    MoonleafCalendar();
    ~MoonleafCalendar() override;
    MoonleafCalendar(const MoonleafCalendar&) = delete;
    MoonleafCalendar& operator=(const MoonleafCalendar&) = delete;

    // False when the control could not be created (Moonleaf2.ocx missing, say).
    bool available() const { return site_.dispatch() != nullptr; }

    // Shows the calendar in `parent` at `place` (the parent's client coordinates). Place it
    // once; move() and set_visible() follow the page it lies on.
    void place(HWND parent, const RECT& place);
    void move(const RECT& place);
    void set_visible(bool visible);
    // The size the control asks for, in pixels; the message takes the same size.
    SIZE natural_size() const;
    // The control's window, or the message's when there is no control; null before place().
    HWND window() const;

    common::OleDate Value() const override;
    void set_Value(common::OleDate value) override;
    std::string GetChineseDate(common::OleDate theDate) override;
    std::string GetChineseYear(common::OleDate theDate) override;
    std::string GetChineseMonth(common::OleDate theDate) override;
    std::string GetChineseDay(common::OleDate theDate) override;
    std::string GetChineseAnimal(common::OleDate theDate) override;
    std::string GetConstellation(common::OleDate theDate) override;
    void set_ShowHolidays(bool show) override;

  private:
    std::string text_of(DISPID method, common::OleDate theDate);

    common::win32::OleControlSite site_;
    common::win32::EventSink sink_;
    common::win32::EventConnection click_;
    common::win32::UniqueWindow message_;
    // What the control holds, kept for when there is no control to ask.
    common::OleDate value_;
};

}  // namespace tockly::win32
