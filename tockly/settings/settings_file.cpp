#include "tockly/settings/settings_file.h"

#include "tockly/settings/settings_fields.h"
#include "tockly/settings/settings_numbers.h"
#include "tockly/settings/settings_storage.h"

namespace tockly::settings_file {

namespace mb = platform::message_box;

std::string save_failed_message(const std::string& path) {
    return "设置没有保存成功：无法写入文件“" + path +
           "”。原来的设置文件没有改动，请检查该文件夹是否可以写入、磁盘空间是否足够。";
}

namespace {

SettingsLines lines_of(const std::vector<SettingsField>& fields) {
    SettingsLines lines;
    for (const SettingsField& field : fields)
        lines[static_cast<size_t>(field.line - 1)] = field.write();
    return lines;
}

bool has_unusable_lines(const SettingsFileText& file, const std::vector<SettingsField>& fields) {
    if (file.unreadable_bytes) return true;
    for (const SettingsField& field : fields)
        if (!field.text && !is_number_text(file.lines[static_cast<size_t>(field.line - 1)]))
            return true;
    return false;
}

}  // namespace

void load_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files) {
    const SettingsLines lines =
        read_settings_file(files, settings_file_path(files.program_folder())).lines;
    for (const SettingsField& field : settings_fields(settings, prompt)) {
        // A reaction that fails costs its own line only; loading goes on with the next one.
        try {
            field.apply(lines[static_cast<size_t>(field.line - 1)]);
        } catch (...) {
        }
    }
}

SettingsLines settings_lines(model::ReminderSettings& settings, PromptPlacement& prompt) {
    return lines_of(settings_fields(settings, prompt));
}

bool save_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files, platform::MessageBox& boxes,
                   const std::string& title) {
    if (boxes.show(kSaveQuestion, mb::kYesNo, title) != mb::kAnswerYes) return false;
    return write_settings(settings, prompt, files, boxes, title);
}

bool write_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                    platform::FileSystem& files, platform::MessageBox& boxes,
                    const std::string& title) {
    const std::vector<SettingsField> fields = settings_fields(settings, prompt);
    const std::string path = settings_file_path(files.program_folder());
    // The file on disk is the one the settings were loaded from: what a load could not use is
    // judged on it again rather than remembered.
    const std::optional<std::string> old_bytes = files.read_file(path);
    const bool keep_old = old_bytes && has_unusable_lines(settings_file_text(*old_bytes), fields);
    if (keep_old && !write_backup_file(files, path, *old_bytes)) {
        platform::tell(boxes, save_failed_message(backup_file_path(path)), title);
        return false;
    }
    if (!write_settings_file(files, path, lines_of(fields))) {
        platform::tell(boxes, save_failed_message(path), title);
        return false;
    }
    platform::tell(boxes, keep_old ? std::string(kSaveDone) + kOldFileKept : kSaveDone, title);
    return true;
}

}  // namespace tockly::settings_file
