#include "tockly/pages/pages.h"

namespace tockly::pages {

Pages::Pages(const PageServices& s)
    : preview(s.sound, s.announcer, s.file_dialog),
      alarm_editor(s.settings, preview),
      date_chooser(s.settings, s.Moonleaf2, s.clock),
      chime_page({s.settings, preview, s.clock, s.files, s.message_box, s.host,
                  s.announcer.program_dir()}),
      date_lookup({s.Moonleaf1, s.clock, s.files, s.message_box, s.host, s.time_sync,
                   s.announcer.program_dir()}),
      instructions(instructions_text(), s.announcer, s.host),
      voice_collection(voice_collection_text(), s.announcer, s.host),
      overview({s.settings, alarm_editor, s.clock, s.host, s.Moonleaf1, s.holidays}) {}

}  // namespace tockly::pages
