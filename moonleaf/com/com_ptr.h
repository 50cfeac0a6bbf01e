// Moonleaf's COM glue uses the owners that all Windows code shares.
#pragma once

#include "common/win32/com_ptr.h"

namespace moonleaf_com {

using common::win32::ComPtr;
using common::win32::UniqueBstr;
using common::win32::UniqueVariant;

}  // namespace moonleaf_com
