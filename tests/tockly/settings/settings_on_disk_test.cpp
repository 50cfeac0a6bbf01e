#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/tockly/settings/fake_prompt_placement.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/settings/settings_file.h"
#include "tools/tockly-sim/real_program_folder.h"

namespace tockly::settings_file {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// On a real disk, and on Windows through the system's ANSI code page (936 in the Chinese
// locale the tests run in).
TEST(SettingsOnDisk, SaveReplacesTheFileWithCodePage936Text) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("tockly-settings-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(folder);
    const fs::path file = folder / fs::path(u8"数据库");
    std::ofstream(file, std::ios::binary) << "old";

    sim::RealProgramFolder files(utf8(folder));
    platform::FakeMessageBox boxes;
    FakePromptPlacement prompt;
    model::ReminderSettings settings;
    settings.slots[0].dingshi_text.set_text("万事如意");
    save_settings(settings, prompt, files, boxes, "Tockly");

    const std::string bytes = bytes_of(file);
    // "old" is no settings file Tockly could use: it is kept beside the new one.
    EXPECT_EQ(boxes.shown.back().text, std::string(kSaveDone) + kOldFileKept);
    EXPECT_EQ(bytes_of(folder / fs::path(u8"数据库.bak")), "old");
    EXPECT_NE(bytes.find("\r\n\xCD\xF2\xCA\xC2\xC8\xE7\xD2\xE2\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);

    model::ReminderSettings loaded;
    load_settings(loaded, prompt, files);
    EXPECT_EQ(loaded.slots[0].dingshi_text.text(), "万事如意");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tockly::settings_file
