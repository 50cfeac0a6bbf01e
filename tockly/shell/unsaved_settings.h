#pragma once

// What the settings file holds as far as this program knows, so that quitting never drops an
// edit silently. "Changed" is decided on the lines a save would write, not on a flag: a
// reaction that sets a control back to its value, or an edit undone by hand, is no change.

#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/platform/screen.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::shell {

inline constexpr const char* kUnsavedQuestion = "设置已更改，是否保存？";

// Asked before 退出 goes ahead.
class ExitQuestion {
  public:
    virtual ~ExitQuestion() = default;
    // False when the program should stay.
    virtual bool may_quit() = 0;
};

class UnsavedSettings : public ExitQuestion {
  public:
    struct Services {
        model::ReminderSettings& settings;
        windows::PromptWindow& prompt;
        platform::Screen& screen;
        platform::FileSystem& files;
        platform::MessageBox& boxes;
    };
    UnsavedSettings(const Services& services, std::string title)
        : s_(services), title_(std::move(title)) {}

    // The settings as they are now are those of the file (just loaded).
    void remember();
    bool changed();
    // The save button "保存设置": asks, writes, and remembers what it wrote.
    void save_button();
    // Unchanged settings let the program quit at once. Otherwise 是 saves without a second
    // question and quits if the file was written, 否 quits, 取消 stays.
    bool may_quit() override;

  private:
    settings_file::SettingsLines lines_now();

    Services s_;
    std::string title_;
    settings_file::SettingsLines saved_;
};

}  // namespace tockly::shell
