#include "tockly/shell/tockly_app.h"

#include "tockly/sound/voice_files.h"

namespace tockly::shell {

TocklyApp::TocklyApp(const TocklyServices& s, model::Version version)
    : services(s),
      sound({s.player1, s.player2, s.wave_volume, s.clock, s.pump}, settings.options.Slider2),
      announcer(sound, s.clock, shared, sound::programDir(s.files)),
      Form2({s.clock, shared, sound, announcer, settings.options}),
      Form1(shared),
      shutdown({s.clock, s.power, shared, announcer, Form2, Form1}),
      firing({s.clock, s.files, settings, shared, sound, announcer, Form2}),
      reminder_tick({s.clock, settings, shared, sound, Form2, Form1, shutdown, firing}),
      display_tick({s.clock, s.keyboard, s.Moonleaf1, settings, announcer, Form2, Form1}, version) {
    // Every connection between the objects is made here, and only here.
    sound.Mp3Play1.set_end_listener(&announcer);
    sound.Mp3Play2.set_end_listener(&sound);
    announcer.set_final_warning_listener(&shutdown);
    Form2.set_delegate(&reminder_tick);
}

void TocklyApp::set_observer(engine::EngineObserver* observer) {
    shared.set_observer(observer);
    reminder_tick.observer = observer;
}

}  // namespace tockly::shell
