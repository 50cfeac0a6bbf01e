#pragma once

#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/settings/prompt_placement.h"
#include "tockly/settings/settings_lines.h"

namespace tockly::settings_file {

// Reads "数据库" beside the program into the settings, line by line in file order, as start-up
// does (in the ANSI code page, or as UTF-8 when it was saved so): the hour, minute, sound and voice
// pack lists must be filled already. A missing or damaged file is no error; every line that cannot
// be used leaves its field as the rules say, and a failing change reaction skips only its own line.
void load_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files);

// The main window's save button: asks, writes all its lines, then confirms. When the file
// cannot be written the old one stays as it was and the message says so instead of claiming
// success. True when the file was written.
//
// A file with lines a load could not use is kept as "数据库.bak" before it is replaced, and the
// confirmation says so; a save would otherwise lose what they held for good. Such lines are:
// bytes that are no character in the encoding read (they load as "?"), characters of a UTF-8
// file the code page cannot hold (they save as "?"), a NUL (its line's text
// ends there), and a line whose text is not a number where a number belongs (its field keeps
// its value, or takes the number the text begins with). Lines the file does not have, numbers
// a field refuses or repairs, and lines after the 519th are not counted.
bool save_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files, platform::MessageBox& boxes,
                   const std::string& title);
// The same without the question, for a caller that has asked already.
bool write_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                    platform::FileSystem& files, platform::MessageBox& boxes,
                    const std::string& title);

// The lines a save would write now.
SettingsLines settings_lines(model::ReminderSettings& settings, PromptPlacement& prompt);

// The messages of the save button.
inline constexpr const char* kSaveQuestion = "确实“保存设置”吗?";
inline constexpr const char* kSaveDone = "“保存设置”完成！";
inline constexpr const char* kOldFileKept =
    "原来的设置文件有无法读取的内容，已另存为“数据库.bak”。";
std::string save_failed_message(const std::string& path);

}  // namespace tockly::settings_file
