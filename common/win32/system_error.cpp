#include "common/win32/system_error.h"

#include <string>

#include "common/win32/wide_text.h"

namespace common::win32 {

namespace {

std::wstring message_of(DWORD code, HMODULE module, DWORD source) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | source | FORMAT_MESSAGE_IGNORE_INSERTS,
                         module, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    return text;
}

}  // namespace

std::string system_error_text(DWORD code, HMODULE module) {
    std::wstring text;
    if (module) text = message_of(code, module, FORMAT_MESSAGE_FROM_HMODULE);
    if (text.empty()) text = message_of(code, nullptr, FORMAT_MESSAGE_FROM_SYSTEM);
    const std::string number = "(" + std::to_string(code) + ")";
    return text.empty() ? number : utf8_from_utf16(text) + " " + number;
}

}  // namespace common::win32
