#include "tockly/platform/win32/file_dialog_win32.h"

#include <windows.h>

#include <commdlg.h>

#include "common/win32/wide_text.h"

namespace tockly::platform {

namespace {

// Each entry's name and patterns, each ended by NUL, and a final NUL.
std::wstring dialog_filter_text(const std::vector<FileFilter>& filters) {
    std::wstring text;
    for (const FileFilter& filter : filters) {
        text += common::win32::utf16_from_utf8(filter.name);
        text += L'\0';
        text += common::win32::utf16_from_utf8(filter.patterns);
        text += L'\0';
    }
    text += L'\0';
    return text;
}

}  // namespace

std::optional<std::string> Win32FileDialog::choose_file_to_open(
    const std::vector<FileFilter>& filters) {
    const std::wstring filter = dialog_filter_text(filters);
    // Long enough for any path the system allows with the "\\?\" prefix.
    std::wstring chosen(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    chosen.resize(wcsnlen(chosen.c_str(), chosen.size()));
    return common::win32::utf8_from_utf16(chosen);
}

}  // namespace tockly::platform
