// A minimal control container for the tests: a window, the product's site that in-place
// activates the control in it, and a sink that counts `Click` events.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include "common/win32/event_sink.h"
#include "common/win32/ole_control_site.h"
#include "common/win32/unique_handle.h"

namespace moonleaf_test {

// Receives the control's events through its connection point.
class ClickSink final : public common::win32::EventSink {
  public:
    ClickSink();
    int clicks = 0;
};

// Places one control in a window of its own and records what the control tells its site.
class ControlHost final : private common::win32::OleControlSite::Observer {
  public:
    ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // Creates the control by ProgID, initialises it as new and carries out `verb` (in-place
    // activation by default) at (left, top) in the control's own size.
    HRESULT embed(const wchar_t* progid, int left, int top, LONG verb = OLEIVERB_INPLACEACTIVATE);
    // Lets go of the control without deactivating it, as a careless container does.
    void drop();

    // What the control told its site.
    int ui_activations = 0;
    int site_calls_after_drop = 0;
    bool has_active_object = false;

    HWND frame_window() const { return frame_.get(); }
    HWND control_window() const { return site_.window(); }
    IDispatch* control() const { return site_.dispatch(); }
    IUnknown* unknown() const { return site_.unknown(); }
    IOleClientSite* site() { return &site_; }

  private:
    void ui_activated() override { ++ui_activations; }
    void ui_deactivated() override { note_call(); }
    void in_place_deactivated() override { note_call(); }
    void active_object_set(IOleInPlaceActiveObject* active) override;
    void note_call() {
        if (dropped_) ++site_calls_after_drop;
    }

    bool dropped_ = false;
    // The site closes the control before the frame goes.
    common::win32::UniqueWindow frame_;
    common::win32::OleControlSite site_{this};
};

// Runs the message loop until nothing is left to do.
void pump_messages();
// Runs the message loop for about `milliseconds`, timers included.
void pump_for(DWORD milliseconds);

}  // namespace moonleaf_test
