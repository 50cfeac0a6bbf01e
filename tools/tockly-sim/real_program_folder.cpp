#include "tools/tockly-sim/real_program_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tockly::sim {

namespace fs = std::filesystem;

namespace {

fs::path system_path(const std::string& path) {
    std::u8string text(path.begin(), path.end());
    std::replace(text.begin(), text.end(), u8'\\', u8'/');
    return fs::path(text);
}

}  // namespace

std::optional<std::string> read_local_file(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(system_path(path), error)) return std::nullopt;
    std::ifstream in(system_path(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool is_folder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(system_path(path), error);
}

bool RealProgramFolder::file_exists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(system_path(path), error);
}

std::vector<std::string> RealProgramFolder::subfolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(system_path(folder), error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_directory(error)) continue;
        const std::u8string name = it->path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

std::optional<std::string> RealProgramFolder::read_file(const std::string& path) {
    return read_local_file(path);
}

bool RealProgramFolder::write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(system_path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// The simulator's folder is a developer's scratch folder that need not survive a power loss:
// the system's own write-back is enough, and only a missing file is an error.
bool RealProgramFolder::flush_file(const std::string& path) {
    return file_exists(path);
}

bool RealProgramFolder::replace_file(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(system_path(from), system_path(to), error);
    return !error;
}

void RealProgramFolder::remove_file(const std::string& path) {
    std::error_code error;
    fs::remove(system_path(path), error);
}

}  // namespace tockly::sim
