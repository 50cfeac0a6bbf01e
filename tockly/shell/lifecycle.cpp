#include "tockly/shell/lifecycle.h"

#include "tockly/settings/settings_file.h"
#include "tockly/settings/settings_storage.h"
#include "tockly/shell/prompt_window_placement.h"
#include "tockly/sound/voice_files.h"

namespace tockly::shell {

namespace {

// One step of start-up or quit: whatever fails in it is skipped, and the next step runs.
template <typename Step>
void skip_on_failure(Step step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

bool Lifecycle::start_up() {
    MainWindow& main = s_.main;
    main.Caption = model::program_title(version_);
    bool another = false;
    skip_on_failure([&] { another = s_.single_instance.another_instance_running(); });
    if (another) return false;

    skip_on_failure([&] {
        s_.sound.savedLeft = -1;
        s_.sound.savedRight = -1;
        s_.sound.huoqu_shengyin();
    });
    skip_on_failure([&] { s_.Moonleaf1.set_Value(s_.clock.now().date_only()); });
    skip_on_failure([&] {
        sound::fillVoicePackList(s_.files, sound::programDir(s_.files),
                                 s_.settings.chime.zhengdian_shengyin_mingxing);
    });
    skip_on_failure([&] { s_.settings.fill_fixed_lists(); });
    skip_on_failure([&] {
        settings_file::remove_unfinished_save(
            s_.files, settings_file::settings_file_path(s_.files.program_folder()));
    });
    skip_on_failure([&] {
        PromptWindowPlacement placement(s_.prompt, s_.screen);
        settings_file::load_settings(s_.settings, placement, s_.files);
    });
    const auto& options = s_.settings.options.Check3;
    skip_on_failure([&] {
        if (options[model::option::kStartMinimised].checked()) main.set_WindowState(kMinimised);
    });
    skip_on_failure([&] {
        if (options[model::option::kShowPromptAtStart].checked()) s_.prompt.show();
    });
    // One page at a time, all in the place of the alarm page; the date lookup page first.
    for (ui::Frame& frame : main.Frame3) {
        frame.visible = false;
        frame.Left = main.Frame3[page::kAlarms].Left;
        frame.Top = main.Frame3[page::kAlarms].Top;
    }
    main.Frame3[page::kDateLookup].visible = true;
    main.TabStrip1.selected = page::kDateLookup;
    main.LastState = main.WindowState() == kMinimised ? short{kNormal} : main.WindowState();
    main.wenjian.visible = false;
    skip_on_failure([&] { s_.tray.install(); });

    main.visible = main.WindowState() != kMinimised;
    main.timers_enabled = true;
    return true;
}

void Lifecycle::quit() {
    skip_on_failure([&] {
        if (s_.settings.options.Check3[model::option::kHotkeyActive].checked())
            s_.keyboard_hook.ReleaseKeyboardHook();
    });
    skip_on_failure([&] { s_.tray.remove(); });
    skip_on_failure([&] { s_.prompt.hide(); });
}

}  // namespace tockly::shell
