#pragma once

#include <set>
#include <string>
#include <vector>

#include "tockly/platform/file_system.h"

namespace tockly::sim {

// The program folder "C:\Tockly\" as the simulator imagines it: every clip of the "sy" folder
// exists, each named celebrity pack has all 24 hour files ("H.mp3"), and nothing else exists.
// Names are compared without regard to case, as Windows does.
class VirtualProgramFolder : public platform::FileSystem {
  public:
    explicit VirtualProgramFolder(std::vector<std::string> packs);

    std::string program_folder() override { return "C:\\Tockly"; }
    std::string program_file() override { return "C:\\Tockly\\Tockly.exe"; }
    bool file_exists(const std::string& path) override;
    std::vector<std::string> subfolders(const std::string& folder) override;
    std::optional<std::string> read_file(const std::string&) override { return std::nullopt; }
    bool write_file(const std::string&, const std::string&) override { return false; }
    bool flush_file(const std::string&) override { return false; }
    bool replace_file(const std::string&, const std::string&) override { return false; }
    void remove_file(const std::string&) override {}

  private:
    std::vector<std::string> packs_;
    std::set<std::string> files_;  // full paths, lower case
};

}  // namespace tockly::sim
