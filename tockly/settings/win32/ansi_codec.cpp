#include "tockly/settings/ansi_codec.h"

#include <windows.h>

#include "common/win32/wide_text.h"

namespace tockly::settings_file {

// The system's ANSI code page decides, as it does for every ANSI program on that system.
std::string utf8_to_ansi(std::string_view utf8) {
    return common::win32::text_from(common::win32::utf16_from_utf8(utf8), CP_ACP);
}

std::string ansi_to_utf8(std::string_view ansi) {
    return common::win32::utf8_from_utf16(common::win32::utf16_from(ansi, CP_ACP));
}

bool is_ansi_text(std::string_view bytes) {
    if (bytes.empty()) return true;
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                               static_cast<int>(bytes.size()), nullptr, 0) != 0;
}

}  // namespace tockly::settings_file
