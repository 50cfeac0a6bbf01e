#include <windows.h>

#include "tockly/shell/ansi_codec.h"

namespace tockly::shell {

namespace {

std::wstring to_wide(std::string_view text, UINT code_page) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string from_wide(const std::wstring& wide, UINT code_page) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

// The system's ANSI code page decides, as it does for every ANSI program on that system.
std::string utf8_to_ansi(std::string_view utf8) {
    return from_wide(to_wide(utf8, CP_UTF8), CP_ACP);
}

std::string ansi_to_utf8(std::string_view ansi) {
    return from_wide(to_wide(ansi, CP_ACP), CP_UTF8);
}

}  // namespace tockly::shell
