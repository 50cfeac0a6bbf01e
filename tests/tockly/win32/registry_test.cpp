#include <gtest/gtest.h>

#include <windows.h>

#include "common/win32/wide_text.h"
#include "tockly/platform/win32/registry_win32.h"

namespace tockly::platform {
namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kPath[] = "\"C:\\Program Files\\闹钟 程序\\Tockly.exe\"";

std::optional<std::wstring> stored(const wchar_t* name) {
    wchar_t data[512];
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", name,
                     RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

TEST(Win32Registry, AutoStartValueIsWrittenTwiceAlikeAndDeleted) {
    Win32Registry registry;
    ASSERT_TRUE(registry.create_key(kRun));
    ASSERT_TRUE(registry.set_string_value(kRun, "Tockly", kPath));
    ASSERT_TRUE(registry.create_key(kRun));
    ASSERT_TRUE(registry.set_string_value(kRun, "Tockly", kPath));
    EXPECT_EQ(stored(L"Tockly"), common::win32::utf16_from_utf8(kPath));
    EXPECT_EQ(registry.string_value(kRun, "Tockly"), kPath);

    EXPECT_TRUE(registry.delete_value(kRun, "Tockly"));
    EXPECT_EQ(stored(L"Tockly"), std::nullopt);
    EXPECT_EQ(registry.string_value(kRun, "Tockly"), std::nullopt);
    EXPECT_FALSE(registry.delete_value(kRun, "Tockly"));
    // The system's own words, with the code: a missing value is "not found" (2).
    EXPECT_NE(registry.failure_reason().find("(2)"), std::string::npos)
        << registry.failure_reason();
}

TEST(Win32Registry, MissingKeyIsReportedNotCreated) {
    Win32Registry registry;
    EXPECT_FALSE(registry.set_string_value("Software\\Tockly Missing Key", "Tockly", kPath));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tockly Missing Key", 0, KEY_READ, &key),
              ERROR_SUCCESS);
}

}  // namespace
}  // namespace tockly::platform
