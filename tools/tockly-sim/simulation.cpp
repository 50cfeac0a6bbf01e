#include "tools/tockly-sim/simulation.h"

#include <cstdio>

#include "tockly/settings/settings_file.h"
#include "tockly/shell/prompt_window_placement.h"
#include "tockly/sound/voice_files.h"
#include "tools/tockly-sim/real_program_folder.h"
#include "tools/tockly-sim/virtual_program_folder.h"

namespace tockly::sim {

namespace {

constexpr std::int64_t kStepMs = 200;

std::unique_ptr<platform::FileSystem> program_folder(const SimArguments& arguments) {
    if (arguments.program_dir) return std::make_unique<RealProgramFolder>(*arguments.program_dir);
    return std::make_unique<VirtualProgramFolder>(arguments.packs);
}

// A file of the program folder (or any other that exists) opens and plays for `clip_ms`.
platform::FakePlayer::ClipLength existing_files_play(platform::FileSystem& files,
                                                     std::int64_t clip_ms) {
    return [&files, clip_ms](const std::string& path) -> std::optional<std::int64_t> {
        if (!files.file_exists(path)) return std::nullopt;
        return clip_ms;
    };
}

std::string hex_word(std::uint32_t word) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(word));
    return text;
}

}  // namespace

Simulation::Simulation(const SimArguments& arguments, std::optional<std::string> settings_bytes,
                       std::FILE* out)
    : arguments_(arguments),
      clock_(arguments.start_ms),
      queue_(clock_),
      pump_(clock_, queue_),
      printer_(clock_, out),
      folder_(program_folder(arguments)),
      files_(*folder_, std::move(settings_bytes)),
      player1_(clock_, queue_, 1, existing_files_play(files_, arguments.clip_ms)),
      player2_(clock_, queue_, 2, existing_files_play(files_, arguments.clip_ms)),
      events_(printer_, arguments.show_tip),
      app_({clock_,           player1_,   player2_,       volume_,       power_,       files_,
            message_box_,     pump_,      keyboard_,      calendar_,     screen_,      registry_,
            single_instance_, browser_,   keyboard_hook_, popup_window_, file_dialog_, http_,
            system_time_,     Moonleaf2_, wake_timer_}) {
    clock_.date_style = platform::FakeClock::DateStyle::kDashes;
    printer_.set_program_dir(sound::programDir(files_));
    player1_.set_listener(&events_);
    player2_.set_listener(&events_);
    // A system volume of 80 %, so that setting and restoring can be told apart.
    volume_.word = 0xCCCCCCCC;
    volume_.on_set = [this](std::uint32_t word) { printer_.print("volume " + hex_word(word)); };
    power_.on_exit = [this](unsigned flags) {
        printer_.print("exitwindows " + std::to_string(flags));
    };
    app_.add_tap(&events_);
    app_.Form2.taps.add(&events_);
    app_.Form1.add_observer(&events_);
}

void Simulation::start_up() {
    app_.start_up();
}

void Simulation::perform(UserAction action) {
    switch (action) {
        case UserAction::kSnooze:
            app_.Form2.snooze_Click();
            break;
        case UserAction::kAcknowledge:
            app_.Form2.acknowledge_Click();
            break;
        case UserAction::kStall:
        case UserAction::kSleep:
        case UserAction::kSetClock:
            break;  // moves the time line, see run
        case UserAction::kPressAction:
            app_.Form2.Command1_Click();
            break;
        case UserAction::kAnnounceNow:
            app_.tray.wenjian1_Click(shell::tray_item::kAnnounceNow);
            break;
        case UserAction::kStopCustom:
            app_.tray.wenjian1_Click(shell::tray_item::kStopCustom);
            break;
        case UserAction::kTrayExit:
            app_.tray.wenjian1_Click(shell::tray_item::kExit);
            break;
        case UserAction::kTogglePrompt:
            app_.tray.wenjian1_Click(shell::tray_item::kPromptWindow);
            break;
        case UserAction::kPromptClose:
            app_.Form2.close_request();
            break;
        case UserAction::kHotkeyDown:
            hold_hotkey();
            break;
        case UserAction::kDoubleClick:
            app_.options_page.background_DblClick();
            break;
    }
}

void Simulation::hold_hotkey() {
    const int position = app_.settings.options.rejian.list_index();
    if (position >= 0 && position < static_cast<int>(model::kHotkeyKeys.size()))
        keyboard_.down.insert(model::kHotkeyKeys[static_cast<size_t>(position)]);
}

void Simulation::run() {
    start_up();
    std::vector<bool> done(arguments_.actions.size(), false);
    // The run lasts its seconds of elapsed time, whatever the clock is set to on the way.
    const std::int64_t length = arguments_.seconds * 1000;
    std::int64_t step = arguments_.start_ms;
    for (std::int64_t elapsed = kStepMs; elapsed <= length && !events_.quit(); elapsed += kStepMs) {
        step += kStepMs;
        // Player reports due at this moment come before the timers of this moment.
        queue_.deliver_until(step);
        if (events_.quit()) break;
        // A user's click is handled between two timer messages.
        for (size_t i = 0; i < done.size(); ++i) {
            const TimedAction& action = arguments_.actions[i];
            if (done[i] || action.ms_of_day != platform::FakeClock::ms_of_day(step)) continue;
            done[i] = true;
            if (action.action == UserAction::kStall || action.action == UserAction::kSleep) {
                // No timer message is handled meanwhile; the next tick comes late.
                step += action.amount_ms;
                elapsed += action.amount_ms;
                queue_.deliver_until(step);
            } else if (action.action == UserAction::kSetClock) {
                step = action.amount_ms;
                clock_.set_ms(step);
            } else {
                perform(action.action);
            }
        }
        if (elapsed > length || events_.quit()) break;
        app_.Timer1_Timer();
        app_.Timer2_Timer();
        app_.Form2.refresh();
        // A key held "at that moment" is let go before the next one.
        keyboard_.down.clear();
    }
}

}  // namespace tockly::sim
