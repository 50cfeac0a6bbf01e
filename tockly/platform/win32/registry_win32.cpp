#include "tockly/platform/win32/registry_win32.h"

#include <windows.h>

#include "common/win32/system_error.h"
#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"

namespace tockly::platform {

namespace {

using common::win32::utf16_from_utf8;

common::win32::UniqueHkey open_for_writing(const std::string& key, LSTATUS& status) {
    common::win32::UniqueHkey opened;
    status = RegOpenKeyExW(HKEY_CURRENT_USER, utf16_from_utf8(key).c_str(), 0, KEY_SET_VALUE,
                           opened.put());
    if (status != ERROR_SUCCESS) opened.release();  // a failed open leaves no key to close
    return opened;
}

}  // namespace

bool Win32Registry::record(long status) {
    last_status_ = status;
    return status == ERROR_SUCCESS;
}

std::string Win32Registry::failure_reason() const {
    return common::win32::system_error_text(static_cast<DWORD>(last_status_));
}

bool Win32Registry::create_key(const std::string& key) {
    common::win32::UniqueHkey created;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, utf16_from_utf8(key).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE, nullptr, created.put(), nullptr);
    if (status != ERROR_SUCCESS) created.release();
    return record(status);
}

bool Win32Registry::set_string_value(const std::string& key, const std::string& name,
                                     const std::string& value) {
    LSTATUS status = ERROR_SUCCESS;
    const auto opened = open_for_writing(key, status);
    if (!opened) return record(status);
    const std::wstring data = utf16_from_utf8(value);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return record(RegSetValueExW(opened.get(), utf16_from_utf8(name).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()), bytes));
}

bool Win32Registry::delete_value(const std::string& key, const std::string& name) {
    LSTATUS status = ERROR_SUCCESS;
    const auto opened = open_for_writing(key, status);
    if (!opened) return record(status);
    return record(RegDeleteValueW(opened.get(), utf16_from_utf8(name).c_str()));
}

std::optional<std::string> Win32Registry::string_value(const std::string& key,
                                                       const std::string& name) {
    const std::wstring wide_key = utf16_from_utf8(key);
    const std::wstring wide_name = utf16_from_utf8(name);
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, wide_key.c_str(), wide_name.c_str(), RRF_RT_REG_SZ, nullptr,
                     nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, wide_key.c_str(), wide_name.c_str(), RRF_RT_REG_SZ, nullptr,
                     data.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(wcsnlen(data.c_str(), data.size()));
    return common::win32::utf8_from_utf16(data);
}

}  // namespace tockly::platform
