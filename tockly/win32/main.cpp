// Tockly.exe: the user-interface thread initialises COM for the embedded controls, builds the
// services and the program, and runs the message loop until the program quits.
//
// How a model change reaches the screen: the models never call a view; after every input and
// every timer tick TocklyProgram::sync() runs one pass over the visible views, and each view
// compares what its model holds with what it showed last and changes only what differs. What the
// models must have done by the system itself (a tray icon, a popup's region, a sound) they ask
// of a service interface that a Win32 class carries out.
#include "tockly/win32/services.h"

#include <commctrl.h>
#include <ole2.h>

#include "tockly/win32/tockly_program.h"

namespace {

// OleInitialize/OleUninitialize: a single-threaded apartment with the OLE services in-place
// activation needs.
class OleApartment {
  public:
    OleApartment() : ok_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleApartment() {
        if (ok_) ::OleUninitialize();
    }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;

  private:
    bool ok_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    OleApartment apartment;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    tockly::win32::Win32Services services;
    tockly::win32::TocklyProgram program(services);
    if (!program.start_up()) return 0;
    return program.run_message_loop();
}
