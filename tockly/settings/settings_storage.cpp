#include "tockly/settings/settings_storage.h"

#include <algorithm>

#include "tockly/settings/ansi_codec.h"

namespace tockly::settings_file {

namespace {

constexpr const char* kSettingsFileName = "数据库";
constexpr const char* kTemporarySuffix = ".tmp";

std::string without_line_breaks(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

}  // namespace

std::string settings_file_path(const std::string& program_folder) {
    if (!program_folder.empty() && program_folder.back() == '\\')
        return program_folder + kSettingsFileName;
    return program_folder + "\\" + kSettingsFileName;
}

SettingsLines read_settings_file(platform::FileSystem& files, const std::string& path) {
    const std::optional<std::string> bytes = files.read_file(path);
    if (!bytes) return {};
    return split_settings_lines(ansi_to_utf8(*bytes));
}

bool write_settings_file(platform::FileSystem& files, const std::string& path,
                         const SettingsLines& lines) {
    SettingsLines single_lines;
    std::transform(lines.begin(), lines.end(), single_lines.begin(), without_line_breaks);
    const std::string temporary = path + kTemporarySuffix;
    if (files.write_file(temporary, utf8_to_ansi(join_settings_lines(single_lines))) &&
        files.replace_file(temporary, path))
        return true;
    files.remove_file(temporary);
    return false;
}

}  // namespace tockly::settings_file
