#include "tockly/platform/win32/registry_win32.h"

#include <windows.h>

#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"

namespace tockly::platform {

namespace {

using common::win32::utf16_from_utf8;

common::win32::UniqueHkey open_for_writing(const std::string& key) {
    common::win32::UniqueHkey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, utf16_from_utf8(key).c_str(), 0, KEY_SET_VALUE,
                      opened.put()) != ERROR_SUCCESS) {
        opened.release();  // a failed open leaves no key to close
    }
    return opened;
}

}  // namespace

bool Win32Registry::create_key(const std::string& key) {
    common::win32::UniqueHkey created;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, utf16_from_utf8(key).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE, nullptr, created.put(), nullptr);
    if (status != ERROR_SUCCESS) created.release();
    return status == ERROR_SUCCESS;
}

bool Win32Registry::set_string_value(const std::string& key, const std::string& name,
                                     const std::string& value) {
    const auto opened = open_for_writing(key);
    if (!opened) return false;
    const std::wstring data = utf16_from_utf8(value);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(opened.get(), utf16_from_utf8(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::delete_value(const std::string& key, const std::string& name) {
    const auto opened = open_for_writing(key);
    if (!opened) return false;
    return RegDeleteValueW(opened.get(), utf16_from_utf8(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace tockly::platform
