#include "tockly/pages/pages.h"

namespace tockly::pages {

Pages::Pages(const PageServices& s)
    : preview(s.sound, s.announcer, s.file_dialog),
      alarm_editor(s.settings, preview),
      date_chooser(s.settings, s.Moonleaf2, s.clock),
      chime_page({s.settings, preview, s.clock, s.files, s.message_box, s.host,
                  s.announcer.program_dir()}),
      time_sync({s.http, s.system_time, s.clock, s.message_box, s.host, s.Moonleaf1}, s.time_page),
      date_lookup({s.Moonleaf1, s.clock, s.files, s.message_box, s.host, time_sync,
                   s.announcer.program_dir()}),
      instructions(instructions_text(), s.announcer, s.host),
      voice_collection(voice_collection_text(), s.announcer, s.host) {}

void connect_pages(engine::ReminderSettings& settings, Pages& pages,
                   platform::CalendarControl& Moonleaf2) {
    AlarmEditor& editor = pages.alarm_editor;
    for (int k = 0; k < engine::kSlotCount; ++k) {
        engine::AlarmSlot& slot = settings.slots[static_cast<size_t>(k)];
        slot.dingshi.on_change = [&editor, k] { editor.dingshi_Click(k); };
        slot.dingshi_guanji.on_change = [&editor, k] { editor.dingshi_guanji_Click(k); };
        slot.dingshi_wenzi.on_change = [&editor, k] { editor.dingshi_wenzi_Click(k); };
        slot.dingshi_xuan_shengyin.on_change = [&editor, k] {
            editor.dingshi_xuan_shengyin_Click(k);
        };
        slot.dingshi_shi.on_change = [&editor, k] { editor.dingshi_shi_Change(k); };
    }
    ChimePage& chime_page = pages.chime_page;
    engine::ChimeSettings& chime = settings.chime;
    chime.zhengdian.on_change = [&chime_page] { chime_page.zhengdian_Click(); };
    chime.zhengdian_jiange.on_change = [&chime_page] { chime_page.zhengdian_jiange_Change(); };
    chime.zhengdian_wenzi.on_change = [&chime_page] { chime_page.zhengdian_wenzi_Click(); };
    chime.zhengdian_xuan_shengyin.on_change = [&chime_page] {
        chime_page.zhengdian_xuan_shengyin_Click();
    };
    chime.zhengdian_mingxing.on_change = [&chime_page] { chime_page.zhengdian_mingxing_Click(); };
    Moonleaf2.Click = [&pages] { pages.date_chooser.Moonleaf2_Click(); };
}

}  // namespace tockly::pages
