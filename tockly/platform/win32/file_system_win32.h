#pragma once

#include "tockly/platform/file_system.h"

namespace tockly::platform {

// Files and folders through the wide file functions, so that any folder name works, Chinese
// characters and spaces included.
class Win32FileSystem : public FileSystem {
  public:
    std::string program_folder() override;
    std::string program_file() override;
    bool file_exists(const std::string& path) override;
    std::vector<std::string> subfolders(const std::string& folder) override;
    std::optional<std::string> read_file(const std::string& path) override;
    bool write_file(const std::string& path, const std::string& bytes) override;
    bool flush_file(const std::string& path) override;
    bool replace_file(const std::string& from, const std::string& to) override;
    void remove_file(const std::string& path) override;
};

}  // namespace tockly::platform
