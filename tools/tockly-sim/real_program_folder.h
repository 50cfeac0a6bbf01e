#pragma once

#include <string>

#include "tockly/platform/file_system.h"

namespace tockly::sim {

// A real folder used as the program folder (--program-dir). The program's paths use "\";
// they are handed to the system with "/", which every system accepts.
class RealProgramFolder : public platform::FileSystem {
  public:
    explicit RealProgramFolder(std::string folder) : folder_(std::move(folder)) {}

    std::string program_folder() override { return folder_; }
    // The simulation stands for the program in that folder.
    std::string program_file() override { return folder_ + "\\Tockly.exe"; }
    bool file_exists(const std::string& path) override;
    std::vector<std::string> subfolders(const std::string& folder) override;
    std::optional<std::string> read_file(const std::string& path) override;
    bool write_file(const std::string& path, const std::string& bytes) override;
    bool flush_file(const std::string& path) override;
    bool replace_file(const std::string& from, const std::string& to) override;
    void remove_file(const std::string& path) override;

  private:
    std::string folder_;
};

// Reads a whole file given by a path of this system; nothing when it cannot be read.
std::optional<std::string> read_local_file(const std::string& path);
bool is_folder(const std::string& path);

}  // namespace tockly::sim
