// The tests call the control by dispatch identifier with the same calls as every host.
#pragma once

#include "common/win32/dispatch_calls.h"

namespace moonleaf_test {

using common::win32::call_with_date;
using common::win32::get_property;
using common::win32::make_bool;
using common::win32::make_date;
using common::win32::make_i2;
using common::win32::make_i4;
using common::win32::put_property;

}  // namespace moonleaf_test
