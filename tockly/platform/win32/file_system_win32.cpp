#include "tockly/platform/win32/file_system_win32.h"

#include <windows.h>

#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"

namespace tockly::platform {

namespace {

using common::win32::utf16_from_utf8;
using common::win32::utf8_from_utf16;

std::wstring executable_path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);  // the name was cut: try again with more room
    }
}

common::win32::UniqueKernelHandle open_file(const std::string& path, DWORD access,
                                            DWORD disposition) {
    const HANDLE file = CreateFileW(utf16_from_utf8(path).c_str(), access, FILE_SHARE_READ, nullptr,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return common::win32::UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace

std::string Win32FileSystem::program_folder() {
    const std::wstring path = executable_path();
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return {};
    // "C:\Tockly.exe" lives in "C:\"; every other folder is given without its backslash.
    const bool drive_root = slash == 2 && path[1] == L':';
    return utf8_from_utf16(path.substr(0, drive_root ? slash + 1 : slash));
}

std::string Win32FileSystem::program_file() {
    return utf8_from_utf16(executable_path());
}

bool Win32FileSystem::file_exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(utf16_from_utf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> Win32FileSystem::subfolders(const std::string& folder) {
    std::wstring pattern = utf16_from_utf8(folder);
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry = {};
    const HANDLE first = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                          FindExSearchLimitToDirectories, nullptr, 0);
    std::vector<std::string> names;
    if (first == INVALID_HANDLE_VALUE) return names;
    const common::win32::UniqueFind search(first);
    do {
        const std::wstring name = entry.cFileName;
        // Limiting to folders is only a hint to the system: files still come.
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (name == L"." || name == L"..") continue;
        names.push_back(utf8_from_utf16(name));
    } while (FindNextFileW(search.get(), &entry));
    return names;
}

std::optional<std::string> Win32FileSystem::read_file(const std::string& path) {
    const auto file = open_file(path, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > MAXDWORD) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

bool Win32FileSystem::write_file(const std::string& path, const std::string& bytes) {
    const auto file = open_file(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool Win32FileSystem::flush_file(const std::string& path) {
    const auto file = open_file(path, GENERIC_WRITE, OPEN_EXISTING);
    return file && FlushFileBuffers(file.get());
}

bool Win32FileSystem::replace_file(const std::string& from, const std::string& to) {
    return MoveFileExW(utf16_from_utf8(from).c_str(), utf16_from_utf8(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Win32FileSystem::remove_file(const std::string& path) {
    DeleteFileW(utf16_from_utf8(path).c_str());
}

}  // namespace tockly::platform
