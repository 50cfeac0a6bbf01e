#pragma once

#include <string>

#include "tockly/platform/file_system.h"
#include "tockly/settings/settings_lines.h"

namespace tockly::settings_file {

// "数据库" in the program's folder.
std::string settings_file_path(const std::string& program_folder);

// The file's lines in UTF-8; every line empty when the file is missing or unreadable.
SettingsLines read_settings_file(platform::FileSystem& files, const std::string& path);

// Writes the lines in the ANSI code page, CR LF after each. The text goes to a temporary file
// beside the settings file first and replaces it only once completely written, so a full disk
// or a write error never leaves a truncated file: on failure the old file is untouched and the
// result is false. Line breaks inside a value are dropped, because one would shift every
// later line of the positional format.
bool write_settings_file(platform::FileSystem& files, const std::string& path,
                         const SettingsLines& lines);

}  // namespace tockly::settings_file
