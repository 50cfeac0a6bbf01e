#include "tockly/shell/tockly_app.h"

#include "tockly/shell/site.h"
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
      holidays({s.files, s.http, s.clock}),
      day_rules{s.clock, s.Moonleaf1, holidays.schedule(), unpublished_year_notice},
      reminder_tick({s.clock, settings, shared, sound, Form2, Form1, shutdown, firing, day_rules,
                     s.wake_timer}),
      display_tick({s.clock, s.keyboard, s.Moonleaf1, settings, announcer, Form2, Form1}, version),
      form_tan(s.screen, s.popup_window),
      news(form_tan),
      time_sync({s.http, s.system_time, s.clock, s.message_box, s.Moonleaf1,
                 model::program_title(version)},
                site::time_page()),
      tray({Form1, shared, Form2, announcer, s.web_browser, news, time_sync}),
      page_host(Form1, version),
      options_host(Form1, Form2, news),
      options_page({settings.options, page_host, options_host, announcer, s.registry, s.files,
                    s.message_box}),
      lifecycle({Form1, settings, sound, Form2, tray, s.clock, s.files, s.screen, s.Moonleaf1,
                 s.single_instance, s.keyboard_hook},
                version),
      pages({settings, sound, announcer, s.clock, s.files, s.file_dialog, s.message_box,
             s.Moonleaf1, s.Moonleaf2, page_host, time_sync, holidays.schedule()}),
      unsaved_settings({settings, Form2, s.screen, s.files, s.message_box},
                       model::program_title(version)),
      version_(version) {
    // Every connection between the objects is made here, and only here.
    sound.Mp3Play1.set_end_listener(&announcer);
    sound.Mp3Play2.set_end_listener(&sound);
    announcer.set_final_warning_listener(&shutdown);
    Form2.set_delegate(&reminder_tick);
    Form1.add_observer(&tray);
    Form1.set_quit_handler(&lifecycle);
    tray.set_exit_question(&unsaved_settings);
    // An option changed by the user or by the settings file runs its reaction. The opacity
    // slider reacts to the user's scrolling only (the view calls Slider1_Scroll), not to a value
    // set from code.
    for (int i = 0; i < static_cast<int>(settings.options.Check3.size()); ++i) {
        settings.options.Check3[static_cast<size_t>(i)].on_change = [this, i] {
            options_page.Check3_Click(i);
        };
    }
    connect_pages();
}

void TocklyApp::connect_pages() {
    pages::AlarmEditor& editor = pages.alarm_editor;
    for (int k = 0; k < model::kSlotCount; ++k) {
        model::AlarmSlot& slot = settings.slots[static_cast<size_t>(k)];
        slot.dingshi.on_change = [&editor, k] { editor.dingshi_Click(k); };
        slot.dingshi_guanji.on_change = [&editor, k] { editor.dingshi_guanji_Click(k); };
        slot.dingshi_wenzi.on_change = [&editor, k] { editor.dingshi_wenzi_Click(k); };
        slot.dingshi_xuan_shengyin.on_change = [&editor, k] {
            editor.dingshi_xuan_shengyin_Click(k);
        };
        slot.dingshi_shi.on_change = [&editor, k] { editor.dingshi_shi_Change(k); };
    }
    pages::DateChooser& chooser = pages.date_chooser;
    for (int i : {0, 1, 2, 3, 4, 5, 6, pages::kCustomDateBox})
        chooser.Check1[static_cast<size_t>(i)].on_change = [&chooser, i] {
            chooser.Check1_Click(i);
        };
    services.Moonleaf2.Click = [&chooser] { chooser.Moonleaf2_Click(); };
    for (int i : {0, 1})
        chooser.fading[static_cast<size_t>(i)].on_change = [&chooser, i] {
            chooser.fading_Click(i);
        };
    chooser.nongli.on_change = [&chooser] { chooser.nongli_Click(); };
    for (ui::ListBox* list : {&chooser.nongli_zhouqi, &chooser.nongli_yue, &chooser.nongli_ri})
        list->on_change = [&chooser] { chooser.nongli_list_Change(); };

    pages::ChimePage& page = pages.chime_page;
    model::ChimeSettings& chime = settings.chime;
    chime.zhengdian.on_change = [&page] { page.zhengdian_Click(); };
    chime.zhengdian_jiange.on_change = [&page] { page.zhengdian_jiange_Change(); };
    chime.zhengdian_wenzi.on_change = [&page] { page.zhengdian_wenzi_Click(); };
    chime.zhengdian_xuan_shengyin.on_change = [&page] { page.zhengdian_xuan_shengyin_Click(); };
    chime.zhengdian_mingxing.on_change = [&page] { page.zhengdian_mingxing_Click(); };
}

void TocklyApp::add_tap(engine::EngineTap* tap) {
    shared.taps.add(tap);
    reminder_tick.taps.add(tap);
}

void TocklyApp::remove_tap(engine::EngineTap* tap) {
    shared.taps.remove(tap);
    reminder_tick.taps.remove(tap);
}

bool TocklyApp::start_up() {
    holidays.load();
    if (!lifecycle.start_up()) return false;
    unsaved_settings.remember();
    return true;
}

void TocklyApp::Command1_Click() {
    unsaved_settings.save_button();
}

}  // namespace tockly::shell
