// UTF-8 (the control's texts) to and from UTF-16 (COM's BSTRs and the W functions).
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>

namespace moonleaf_com {

std::wstring utf16_from_utf8(std::string_view utf8);
std::string utf8_from_utf16(std::wstring_view utf16);
// A new BSTR the caller owns; nullptr when out of memory.
BSTR bstr_from_utf8(std::string_view utf8);

}  // namespace moonleaf_com
