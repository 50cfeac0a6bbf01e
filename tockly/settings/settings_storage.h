#pragma once

#include <string>
#include <string_view>

#include "tockly/platform/file_system.h"
#include "tockly/settings/settings_lines.h"

namespace tockly::settings_file {

// "数据库" in the program's folder.
std::string settings_file_path(const std::string& program_folder);

// The file's lines in UTF-8 (see decode_settings_bytes for the encodings read).
struct SettingsFileText {
    SettingsLines lines;
    // Some bytes were no character and became "?" (or will in the code page, see
    // DecodedSettings), or a line held a NUL. A NUL ends its line's
    // text: no path or text can hold one, and kept it would be written back on the next save.
    bool unreadable_bytes = false;
};
SettingsFileText settings_file_text(std::string_view bytes);

// Every line empty when the file is missing or unreadable.
SettingsFileText read_settings_file(platform::FileSystem& files, const std::string& path);

// Writes the lines in the ANSI code page, CR LF after each. The text goes to a temporary file
// beside the settings file first, is flushed to the disk and replaces the file only then, so
// neither a full disk, a write error nor a power loss leaves a truncated or empty file: on
// failure the old file is untouched and the result is false. Line breaks inside a value are
// dropped, because one would shift every later line of the positional format.
bool write_settings_file(platform::FileSystem& files, const std::string& path,
                         const SettingsLines& lines);

// A save killed before its rename leaves its temporary file behind; start-up removes it.
void remove_unfinished_save(platform::FileSystem& files, const std::string& path);

// "数据库.bak" beside the settings file: one copy of the last file a save replaced while it
// held lines the program could not use, so that what they held is not lost.
std::string backup_file_path(const std::string& path);
bool write_backup_file(platform::FileSystem& files, const std::string& path,
                       const std::string& bytes);

}  // namespace tockly::settings_file
