#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "common/win32/wide_text.h"
#include "tests/tockly/win32/probe_process.h"
#include "tockly/platform/win32/file_system_win32.h"
#include "tockly/platform/win32/single_instance_win32.h"

namespace tockly::platform {
namespace {

using common::win32::utf16_from_utf8;
using common::win32::utf8_from_utf16;

TEST(Win32SingleInstance, SecondProcessSeesTheFirst) {
    {
        Win32SingleInstance first;
        EXPECT_FALSE(first.another_instance_running());
        EXPECT_EQ(test::run_probe(L"instance"), 1);
    }
    EXPECT_EQ(test::run_probe(L"instance"), 0);
}

// A scratch folder whose name has Chinese characters and spaces, as a user's folder may.
std::string chinese_folder(const char* name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = utf8_from_utf16(temp) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(utf16_from_utf8(folder).c_str(), nullptr);
    return folder;
}

TEST(Win32FileSystem, ProgramFolderAndSettingsPathWithChineseAndSpaces) {
    const std::string folder = chinese_folder("我的 闹钟 ");
    const std::wstring program = utf16_from_utf8(folder + "\\Tockly 程序.exe");
    ASSERT_TRUE(CopyFileW(test::probe_path().c_str(), program.c_str(), FALSE));
    ASSERT_EQ(test::run_probe(L"folder", program), 0);
    Win32FileSystem files;
    EXPECT_EQ(files.read_file(folder + "\\数据库"), folder);
}

TEST(Win32FileSystem, FilesAndSubfoldersUnderChineseNames) {
    Win32FileSystem files;
    const std::string folder = chinese_folder("明星 报时 ");
    const std::string voice = folder + "\\1 号.mp3";
    ASSERT_TRUE(files.write_file(voice, std::string("ID3\0\1", 5)));
    EXPECT_EQ(files.read_file(voice), std::string("ID3\0\1", 5));
    SetFileAttributesW(utf16_from_utf8(voice).c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(files.file_exists(voice));
    EXPECT_FALSE(files.file_exists(folder));
    EXPECT_FALSE(files.file_exists(folder + "\\没有.mp3"));
    EXPECT_EQ(files.read_file(folder + "\\没有.mp3"), std::nullopt);
    SetFileAttributesW(utf16_from_utf8(voice).c_str(), FILE_ATTRIBUTE_NORMAL);

    CreateDirectoryW(utf16_from_utf8(folder + "\\Korvane").c_str(), nullptr);
    CreateDirectoryW(utf16_from_utf8(folder + "\\周 先生").c_str(), nullptr);
    auto packs = files.subfolders(folder + "\\");
    std::sort(packs.begin(), packs.end());
    EXPECT_EQ(packs, (std::vector<std::string>{"Korvane", "周 先生"}));
    EXPECT_TRUE(files.subfolders(folder + "\\没有").empty());

    const std::string settings = folder + "\\数据库";
    ASSERT_TRUE(files.write_file(settings, "old"));
    ASSERT_TRUE(files.write_file(settings + ".tmp", "new"));
    EXPECT_TRUE(files.flush_file(settings + ".tmp"));
    EXPECT_FALSE(files.flush_file(settings + ".没有"));
    EXPECT_TRUE(files.replace_file(settings + ".tmp", settings));
    EXPECT_EQ(files.read_file(settings), "new");
    EXPECT_FALSE(files.file_exists(settings + ".tmp"));
    files.remove_file(settings);
    files.remove_file(settings);  // a missing file is no error
    EXPECT_FALSE(files.file_exists(settings));
}

}  // namespace
}  // namespace tockly::platform
