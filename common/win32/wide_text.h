// The one conversion between the 8-bit texts of the portable code (UTF-8, or the ANSI code page
// of the settings file) and the UTF-16 of the W functions and COM.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace common::win32 {

std::wstring utf16_from(std::string_view text, UINT code_page);
std::string text_from(std::wstring_view utf16, UINT code_page);

inline std::wstring utf16_from_utf8(std::string_view utf8) {
    return utf16_from(utf8, CP_UTF8);
}
inline std::string utf8_from_utf16(std::wstring_view utf16) {
    return text_from(utf16, CP_UTF8);
}

}  // namespace common::win32
