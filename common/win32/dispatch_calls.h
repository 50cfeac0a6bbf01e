// Late-bound calls by dispatch identifier, as a host that knows a control only by its
// identifiers makes.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>

namespace common::win32 {

HRESULT get_property(IDispatch* object, DISPID id, VARIANT* result);
HRESULT put_property(IDispatch* object, DISPID id, VARIANT value);
// A method taking one date; `error` receives the description of a failure.
HRESULT call_with_date(IDispatch* object, DISPID id, DATE date, VARIANT* result,
                       std::wstring* error = nullptr);

VARIANT make_i4(LONG value);
VARIANT make_i2(SHORT value);
VARIANT make_bool(bool value);
VARIANT make_date(DATE value);

}  // namespace common::win32
