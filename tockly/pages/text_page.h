#pragma once

// A page that only shows text: the instructions ("使用说明") and the voice collection
// ("声音征集"). A double-click on the text announces the time while the reminder timer runs,
// as everywhere on the main window.

#include <string>

#include "tockly/pages/page_host.h"
#include "tockly/sound/announcer.h"
#include "tockly/ui/controls.h"

namespace tockly::pages {

class TextPage {
  public:
    TextPage(std::string text, sound::Announcer& announcer, PageHost& host)
        : Label7(std::move(text)), announcer_(announcer), host_(host) {}

    void Label7_DblClick() {
        if (host_.reminder_timer_running())
            announcer_.bofang_shijian(sound::announce::kCurrentTime);
    }

    ui::Label Label7;

  private:
    sound::Announcer& announcer_;
    PageHost& host_;
};

// The user guide of the whole program.
std::string instructions_text();
// The request for recordings and the phrase of every clip of a voice set, in the order of the
// voice clip table.
std::string voice_collection_text();

}  // namespace tockly::pages
