#include "tockly/win32/ui/dpi.h"

#include <array>

namespace tockly::win32 {

namespace {

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool font_installed(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    common::win32::WindowDc screen(nullptr);
    ::EnumFontFamiliesExW(screen.get(), &wanted, note_found, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Chosen once: the fonts installed do not change while the program runs.
const wchar_t* ui_face() {
    static const wchar_t* face = [] {
        for (const wchar_t* candidate : {L"Microsoft YaHei UI", L"Microsoft YaHei", L"SimSun"})
            if (font_installed(candidate)) return candidate;
        // Whatever the system maps its message font to; Chinese comes through font linking.
        static NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        return static_cast<const wchar_t*>(metrics.lfMessageFont.lfFaceName);
    }();
    return face;
}

}  // namespace

UINT window_dpi(HWND window) {
    const UINT dpi = window ? ::GetDpiForWindow(window) : 0;
    if (dpi) return dpi;
    common::win32::WindowDc screen(nullptr);
    return static_cast<UINT>(::GetDeviceCaps(screen.get(), LOGPIXELSY));
}

common::win32::UniqueFont create_ui_font(UINT dpi, int points, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(points, static_cast<int>(dpi), 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    ::lstrcpynW(font.lfFaceName, ui_face(), LF_FACESIZE);
    return common::win32::UniqueFont(::CreateFontIndirectW(&font));
}

}  // namespace tockly::win32
