// Shows one control in a window for a screenshot:
//   moonleaf_screenshot_host YEAR MONTH DAY BIG READY_FILE DONE_FILE [open-year-list|show-holidays]
// creates READY_FILE once the control is drawn and exits when DONE_FILE appears.
#include <ole2.h>

#include <cstdlib>
#include <cwchar>
#include <string_view>

#include "common/ole_date.h"
#include "common/win32/dispatch_calls.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "tests/wine/control_host.h"

int wmain(int argc, wchar_t** argv) {
    using namespace common::win32;
    using namespace moonleaf_test;
    if (argc != 7 && argc != 8) return 2;
    const std::wstring_view option = argc == 8 ? argv[7] : L"";
    const bool open_year_list = option == L"open-year-list";
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
            if (option == L"show-holidays")
                put_property(host.control(), DISPID_MOONLEAF_SHOWHOLIDAYS, make_bool(true));
            if (open_year_list) {
                // A click on the year box's drop-down button (the box lies at W - 138).
                const LPARAM button = MAKELPARAM(290 - 138 + 56, 3 + 10);
                ::SendMessageW(host.control_window(), WM_LBUTTONDOWN, MK_LBUTTON, button);
                ::SendMessageW(host.control_window(), WM_LBUTTONUP, 0, button);
            }
            // Windows on the X display, the open list among them, paint as their exposures arrive.
            for (int waited = 0; waited < 500; waited += 20) {
                pump_messages();
                ::Sleep(20);
            }
            ::CloseHandle(
                ::CreateFileW(argv[5], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            for (int waited = 0;
                 waited < 60000 && ::GetFileAttributesW(argv[6]) == INVALID_FILE_ATTRIBUTES;
                 waited += 20) {
                pump_messages();
                ::Sleep(20);
            }
        }
    }
    ::OleUninitialize();
    return result;
}
