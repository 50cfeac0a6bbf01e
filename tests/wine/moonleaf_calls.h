// What the control checks ask of a Moonleaf instance again and again: a new one by its ProgID,
// a date in its terms, and its Value.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "common/ole_date.h"
#include "common/win32/com_ptr.h"
#include "common/win32/dispatch_calls.h"
#include "moonleaf/com/moonleaf_ids.h"

namespace moonleaf_test {

inline DATE date(int year, int month, int day) {
    return common::OleDate::from_ymd(year, month, day).serial();
}

inline DATE value_of(IDispatch* control) {
    common::win32::UniqueVariant value;
    EXPECT_EQ(S_OK, common::win32::get_property(control, DISPID_MOONLEAF_VALUE, value.get()));
    return V_DATE(value.get());
}

inline common::win32::ComPtr<IUnknown> create_moonleaf() {
    CLSID clsid{};
    common::win32::ComPtr<IUnknown> object;
    EXPECT_EQ(S_OK, ::CLSIDFromProgID(L"" MOONLEAF_PROGID, &clsid));
    EXPECT_EQ(S_OK, ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                       object.put_void()));
    return object;
}

}  // namespace moonleaf_test
