#include "tockly/engine/tockly_app.h"

#include "tockly/sound/voice_files.h"

namespace tockly::engine {

TocklyApp::TocklyApp(const TocklyServices& s, Version version)
    : services(s),
      sound({s.player1, s.player2, s.wave_volume, s.clock, s.pump}, settings.options.Slider2),
      announcer(sound, s.clock, shared, sound::programDir(s.files)),
      Form2({s.clock, shared, sound, announcer, settings.options}),
      Form1(shared),
      shutdown({s.clock, s.power, shared, announcer, Form2, Form1}),
      firing({s.clock, s.files, settings, shared, sound, announcer, Form2}),
      reminder_tick({s.clock, settings, shared, sound, Form2, Form1, shutdown, firing}),
      display_tick({s.clock, s.keyboard, s.Moonleaf1, settings, announcer, Form2, Form1}, version) {
    announcer.on_final_shutdown = [this] { shutdown.final_action(); };
    Form2.run_reminder_tick = [this] { Timer1_Timer(); };
    shared.on_shutdown_state_change = [this](const std::string& state) {
        if (observer_) observer_->shutdown_state_changed(state);
    };
    Form1.on_quit = [this] {
        if (observer_) observer_->quit_requested();
    };
}

void TocklyApp::set_observer(EngineObserver* observer) {
    observer_ = observer;
    reminder_tick.observer = observer;
}

}  // namespace tockly::engine
