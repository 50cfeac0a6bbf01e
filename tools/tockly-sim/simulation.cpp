#include "tools/tockly-sim/simulation.h"

#include <cstdio>

#include "tockly/shell/prompt_window_placement.h"
#include "tockly/shell/settings_file.h"
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
      player1_(1, arguments.clip_ms, files_, clock_, queue_, printer_),
      player2_(2, arguments.clip_ms, files_, clock_, queue_, printer_),
      events_(printer_),
      app_({clock_, player1_, player2_, volume_, power_, files_, message_box_, pump_, keyboard_,
            calendar_, screen_, file_dialog_, http_, system_time_, Moonleaf2_}) {
    printer_.set_program_dir(sound::programDir(files_));
    // A system volume of 80 %, so that setting and restoring can be told apart.
    volume_.word = 0xCCCCCCCC;
    volume_.on_set = [this](std::uint32_t word) { printer_.print("volume " + hex_word(word)); };
    power_.on_exit = [this](unsigned flags) {
        printer_.print("exitwindows " + std::to_string(flags));
    };
    app_.set_observer(&events_);
    app_.Form2.set_observer(&events_);
    app_.Form1.set_observer(&events_);
}

// The start-up steps that matter to the reminders: the system volume is captured, the voice
// packs are listed and the fixed lists filled before the settings file is applied to them,
// then the prompt window is shown when its option says so.
void Simulation::start_up() {
    app_.sound.huoqu_shengyin();
    sound::fillVoicePackList(files_, sound::programDir(files_),
                             app_.settings.chime.zhengdian_shengyin_mingxing);
    app_.settings.fill_fixed_lists();
    shell::PromptWindowPlacement placement(app_.Form2, screen_);
    shell::load_settings(app_.settings, placement, files_);
    if (app_.settings.options.Check3[model::option::kShowPromptAtStart].value() == 1)
        app_.Form2.show();
}

void Simulation::perform(UserAction action) {
    switch (action) {
        case UserAction::kPressAction:
            app_.Form2.Command1_Click();
            break;
        case UserAction::kAnnounceNow:
            app_.bofang_shijian("现在时间");
            break;
        case UserAction::kStopCustom:
            app_.bofang_shijian("自定义声音报时被取消");
            break;
    }
}

void Simulation::run() {
    start_up();
    std::vector<bool> done(arguments_.actions.size(), false);
    const std::int64_t end = arguments_.start_ms + arguments_.seconds * 1000;
    for (std::int64_t step = arguments_.start_ms + kStepMs; step <= end && !events_.quit();
         step += kStepMs) {
        // Player reports due at this moment come before the timers of this moment.
        queue_.deliver_until(step);
        if (events_.quit()) break;
        // A user's click is handled between two timer messages.
        for (size_t i = 0; i < done.size(); ++i) {
            if (done[i] || arguments_.actions[i].ms_of_day != SimClock::ms_of_day(step)) continue;
            done[i] = true;
            perform(arguments_.actions[i].action);
        }
        app_.Timer1_Timer();
        app_.Timer2_Timer();
        app_.Form2.refresh();
    }
}

}  // namespace tockly::sim
