#pragma once

// Start-up, in its order, and the quit path. Every step runs even when an earlier one failed:
// a failing step is skipped without a message.

#include "tockly/model/reminder_settings.h"
#include "tockly/model/version.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/keyboard_hook.h"
#include "tockly/platform/screen.h"
#include "tockly/platform/single_instance.h"
#include "tockly/shell/main_window.h"
#include "tockly/shell/tray.h"
#include "tockly/sound/sound_system.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::shell {

class Lifecycle : public QuitHandler {
  public:
    struct Services {
        MainWindow& main;
        model::ReminderSettings& settings;
        sound::SoundSystem& sound;
        windows::PromptWindow& prompt;
        Tray& tray;
        platform::Clock& clock;
        platform::FileSystem& files;
        platform::Screen& screen;
        platform::CalendarControl& Moonleaf1;
        platform::SingleInstance& single_instance;
        platform::KeyboardHook& keyboard_hook;
    };
    Lifecycle(const Services& services, model::Version version) : s_(services), version_(version) {}

    // Runs when the main window is created. False when another copy of the program runs: the
    // process then ends at once, with nothing read and no icon.
    bool start_up();
    // The quit path of a close request while the quit marker is set.
    void quit() override;

  private:
    Services s_;
    model::Version version_;
};

}  // namespace tockly::shell
