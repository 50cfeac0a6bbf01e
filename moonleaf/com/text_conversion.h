// UTF-8 (the control's texts) to COM's BSTRs.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string_view>

namespace moonleaf_com {

// A new BSTR the caller owns; nullptr when out of memory.
BSTR bstr_from_utf8(std::string_view utf8);

}  // namespace moonleaf_com
