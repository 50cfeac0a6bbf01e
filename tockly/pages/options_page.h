#pragma once

// The options page ("设置选项"): what happens the moment an option changes, the registry work
// behind starting with Windows, the hotkey list that ignores keystrokes, and the main window's
// double-click shortcut for the time announcement.

#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/pages/options_host.h"
#include "tockly/pages/page_host.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/platform/registry.h"
#include "tockly/sound/announcer.h"

namespace tockly::pages {

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Tockly";
// Said, with the system's reason, when the Run value cannot be written or removed.
inline constexpr const char* kAutoStartFailed = "无法设置开机自动运行";

class OptionsPage {
  public:
    struct Services {
        model::AppOptions& options;
        PageHost& host;
        OptionsHost& effects;
        sound::Announcer& announcer;
        platform::Registry& registry;
        platform::FileSystem& files;
        platform::MessageBox& message_box;
    };
    explicit OptionsPage(const Services& services) : s_(services) {}

    // A Check3 element changed.
    void Check3_Click(int index);
    // Each scroll step of the opacity slider reaches the prompt window at once.
    void Slider1_Scroll();
    // Keys pressed and released on the hotkey list leave its choice as it was.
    void rejian_KeyDown();
    void rejian_KeyUp();
    // A double-click on the main window's background, its frames or its labels.
    void background_DblClick();

    // The value the Run key gets: the running executable's full path and name in double
    // quotes, so that a path with blanks ("C:\Program Files\...") cannot start a program
    // named like its first part.
    std::string auto_start_command() const;

  private:
    // Writes or removes the Run value as the box says; when the registry refuses, says why and
    // puts the box back to what the registry holds.
    void auto_start_Click(ui::CheckBox& box);
    bool run_value_starts_this_program() const;

    Services s_;
    // The box is being put back to the registry's state: that is no request to write.
    bool showing_registry_ = false;
};

}  // namespace tockly::pages
