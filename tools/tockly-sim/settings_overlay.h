#pragma once

#include <optional>
#include <string>

#include "tockly/platform/file_system.h"

namespace tockly::sim {

// The program folder with the settings file the simulation was given (--settings) in place of
// whatever the folder holds; without one the settings file is missing. Nothing is written.
class SettingsOverlay : public platform::FileSystem {
  public:
    SettingsOverlay(platform::FileSystem& folder, std::optional<std::string> settings_bytes);

    std::string program_folder() override { return folder_.program_folder(); }
    std::string program_file() override { return folder_.program_file(); }
    bool file_exists(const std::string& path) override;
    std::vector<std::string> subfolders(const std::string& path) override {
        return folder_.subfolders(path);
    }
    std::optional<std::string> read_file(const std::string& path) override;
    bool write_file(const std::string&, const std::string&) override { return false; }
    bool flush_file(const std::string&) override { return false; }
    bool replace_file(const std::string&, const std::string&) override { return false; }
    void remove_file(const std::string&) override {}

  private:
    platform::FileSystem& folder_;
    std::string settings_path_;
    std::optional<std::string> settings_bytes_;
};

}  // namespace tockly::sim
