// Shows one control in a window for a screenshot:
//   moonleaf_screenshot_host YEAR MONTH DAY BIG READY_FILE DONE_FILE
// creates READY_FILE once the control is drawn and exits when DONE_FILE appears.
#include <ole2.h>

#include <cstdlib>
#include <cwchar>

#include "common/ole_date.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "tests/wine/control_host.h"
#include "tests/wine/dispatch_calls.h"

int wmain(int argc, wchar_t** argv) {
    using namespace moonleaf_test;
    if (argc != 7) return 2;
    const int year = std::wcstol(argv[1], nullptr, 10);
    const int month = std::wcstol(argv[2], nullptr, 10);
    const int day = std::wcstol(argv[3], nullptr, 10);
    const auto big = static_cast<SHORT>(std::wcstol(argv[4], nullptr, 10));
    if (FAILED(::OleInitialize(nullptr))) return 3;
    int result = 0;
    {
        ControlHost host;
        if (FAILED(host.embed(L"" MOONLEAF_PROGID, 0, 0))) {
            result = 4;
        } else {
            put_property(host.control(), DISPID_MOONLEAF_VALUE,
                         make_date(common::OleDate::from_ymd(year, month, day).serial()));
            put_property(host.control(), DISPID_MOONLEAF_BIG, make_i2(big));
            ::UpdateWindow(host.frame_window());
            pump_messages();
            ::CloseHandle(::CreateFileW(argv[5], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            for (int waited = 0; waited < 60000 && ::GetFileAttributesW(argv[6]) == INVALID_FILE_ATTRIBUTES;
                 waited += 20) {
                pump_messages();
                ::Sleep(20);
            }
        }
    }
    ::OleUninitialize();
    return result;
}
