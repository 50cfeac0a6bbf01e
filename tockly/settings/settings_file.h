#pragma once

#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/settings/prompt_placement.h"

namespace tockly::settings_file {

// Reads "数据库" beside the program into the settings, line by line in file order, as start-up
// does: the hour, minute, sound and voice pack lists must be filled already. A missing or
// damaged file is no error; every line that cannot be used leaves its field as the rules say,
// and a failing change reaction skips only its own line.
void load_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files);

// The main window's save button: asks, writes all its lines, then confirms. When the file
// cannot be written the old one stays as it was and the message says so instead of claiming
// success.
void save_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files, platform::MessageBox& boxes,
                   const std::string& title);

// The messages of the save button.
inline constexpr const char* kSaveQuestion = "确实“保存设置”吗?";
inline constexpr const char* kSaveDone = "“保存设置”完成！";
std::string save_failed_message(const std::string& path);

}  // namespace tockly::settings_file
