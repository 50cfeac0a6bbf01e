// A minimal control container for the tests: a window of its own holding one control activated
// in place, and a sink that counts `Click` events. The container pieces are the ones Tockly uses.
#pragma once

#include <windows.h>

#include "common/win32/com_ptr.h"
#include "common/win32/event_sink.h"
#include "common/win32/ole_control_site.h"
#include "common/win32/unique_handle.h"
#include "tests/wine/dispatch_calls.h"

namespace moonleaf_test {

using common::win32::ComPtr;
using common::win32::EventConnection;

// Counts the control's `Click` events, which carry no arguments.
class ClickSink final : public common::win32::EventSink {
  public:
    ClickSink();
    int clicks = 0;
};

// Places one control in a window of its own and activates it in place.
class ControlHost {
  public:
    ControlHost();

    // Creates the control by ProgID, initialises it as new and activates it at (left, top).
    HRESULT embed(const wchar_t* progid, int left, int top);
    // Releases the control (deactivating it first), as a closing form does.
    void close() { site_.close(); }

    HWND frame_window() const { return frame_.get(); }
    HWND control_window() const { return site_.window(); }
    IDispatch* control() const { return site_.dispatch(); }
    IUnknown* unknown() const { return site_.unknown(); }

  private:
    common::win32::UniqueWindow frame_;
    common::win32::OleControlSite site_;  // closed before the window goes
};

// Runs the message loop until nothing is left to do.
void pump_messages();

}  // namespace moonleaf_test
