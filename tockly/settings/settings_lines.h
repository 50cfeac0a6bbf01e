#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tockly::settings_file {

// The settings file is positional: one value per line, no keys, no header.
inline constexpr int kSettingsLineCount = 525;

// Line n of the file (counted from 1) is element n - 1. A line the file does not have is empty.
using SettingsLines = std::array<std::string, kSettingsLineCount>;

// Splits decoded file text into its first kSettingsLineCount lines. CR LF ends a line, and so
// does a lone CR or LF (a file touched by another editor still loads line for line); lines past
// those are ignored, and a shorter file (an older program's 519 lines) leaves the rest empty.
SettingsLines split_settings_lines(std::string_view text);

// Each line followed by CR LF, so the text ends with CR LF.
std::string join_settings_lines(const SettingsLines& lines);

}  // namespace tockly::settings_file
