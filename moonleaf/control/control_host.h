#pragma once

#include <string_view>

#include "common/ole_date.h"
#include "moonleaf/control/control_properties.h"

namespace moonleaf {

enum class SelectorList { Year, Month };

// What the control asks of its host; the COM layer implements it, tests pass a fake. All calls
// come on the host's user-interface thread, from inside a call the host made into the control.
class ControlHost {
  public:
    virtual ~ControlHost() = default;
    // A property was written: notify the container (IPropertyNotifySink::OnChanged with the
    // member's dispatch identifier, property_info(id).dispatch_id) and mark the stored state
    // dirty.
    virtual void property_changed(PropertyId id) = 0;
    // Fire the `Click` event of the event interface.
    virtual void raise_click() = 0;
    // The local date and time now.
    virtual common::OleDate now() const = 0;
    // Start (true) or stop (false) the repeating spin timer of kSpinTimerIntervalMs; while it
    // runs, each expiry calls MoonleafControl::spin_timer_tick().
    virtual void set_spin_timer(bool running) = 0;
    // Drop down the list's real combo box (CB_SHOWDROPDOWN); the user's choice comes back
    // through MoonleafControl::choose_from_list().
    virtual void show_drop_down(SelectorList list) = 0;
    // The control selected an item of one of its lists: mirror it (CB_SETCURSEL) without
    // reporting it back as a choice.
    virtual void list_selection_changed(SelectorList list, int index) = 0;
};

}  // namespace moonleaf
