#include "tockly/settings/settings_storage.h"

#include <algorithm>

#include "tockly/settings/ansi_codec.h"
#include "tockly/settings/settings_encoding.h"

namespace tockly::settings_file {

namespace {

constexpr const char* kSettingsFileName = "数据库";
constexpr const char* kTemporarySuffix = ".tmp";
constexpr const char* kBackupSuffix = ".bak";

std::string without_line_breaks(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

bool write_to_disk(platform::FileSystem& files, const std::string& path, const std::string& bytes) {
    return files.write_file(path, bytes) && files.flush_file(path);
}

}  // namespace

std::string settings_file_path(const std::string& program_folder) {
    if (!program_folder.empty() && program_folder.back() == '\\')
        return program_folder + kSettingsFileName;
    return program_folder + "\\" + kSettingsFileName;
}

SettingsFileText settings_file_text(std::string_view bytes) {
    const DecodedSettings decoded = decode_settings_bytes(bytes);
    SettingsFileText file{split_settings_lines(decoded.text), decoded.lossy};
    for (std::string& line : file.lines) {
        const size_t nul = line.find('\0');
        if (nul == std::string::npos) continue;
        line.resize(nul);
        file.unreadable_bytes = true;
    }
    return file;
}

SettingsFileText read_settings_file(platform::FileSystem& files, const std::string& path) {
    const std::optional<std::string> bytes = files.read_file(path);
    if (!bytes) return {};
    return settings_file_text(*bytes);
}

bool write_settings_file(platform::FileSystem& files, const std::string& path,
                         const SettingsLines& lines) {
    SettingsLines single_lines;
    std::transform(lines.begin(), lines.end(), single_lines.begin(), without_line_breaks);
    const std::string temporary = path + kTemporarySuffix;
    if (write_to_disk(files, temporary, utf8_to_ansi(join_settings_lines(single_lines))) &&
        files.replace_file(temporary, path))
        return true;
    files.remove_file(temporary);
    return false;
}

void remove_unfinished_save(platform::FileSystem& files, const std::string& path) {
    files.remove_file(path + kTemporarySuffix);
}

std::string backup_file_path(const std::string& path) {
    return path + kBackupSuffix;
}

bool write_backup_file(platform::FileSystem& files, const std::string& path,
                       const std::string& bytes) {
    return write_to_disk(files, backup_file_path(path), bytes);
}

}  // namespace tockly::settings_file
