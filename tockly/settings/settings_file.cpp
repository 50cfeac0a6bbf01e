#include "tockly/settings/settings_file.h"

#include "tockly/settings/settings_fields.h"
#include "tockly/settings/settings_storage.h"

namespace tockly::settings_file {

namespace mb = platform::message_box;

std::string save_failed_message(const std::string& path) {
    return "设置没有保存成功：无法写入文件“" + path +
           "”。原来的设置文件没有改动，请检查该文件夹是否可以写入、磁盘空间是否足够。";
}

void load_settings(model::ReminderSettings& settings, PromptPlacement& prompt,
                   platform::FileSystem& files) {
    const SettingsLines lines =
        read_settings_file(files, settings_file_path(files.program_folder()));
    for (const SettingsField& field : settings_fields(settings, prompt)) {
        // A reaction that fails costs its own line only; loading goes on with the next one.
        try {
            field.apply(lines[static_cast<size_t>(field.line - 1)]);
        } catch (...) {
        }
    }
}

SettingsLines settings_lines(model::ReminderSettings& settings, PromptPlacement& prompt) {
    SettingsLines lines;
    for (const SettingsField& field : settings_fields(settings, prompt))
        lines[static_cast<size_t>(field.line - 1)] = field.write();
    return lines;
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
    const std::string path = settings_file_path(files.program_folder());
    const bool written = write_settings_file(files, path, settings_lines(settings, prompt));
    platform::tell(boxes, written ? kSaveDone : save_failed_message(path), title);
    return written;
}

}  // namespace tockly::settings_file
