#pragma once

// The main window's pages, built on the same services: the alarm editor with its date chooser,
// the chime page, the date lookup page, the instructions and the voice collection.

#include <string>

#include "tockly/internet_time/time_sync.h"
#include "tockly/model/reminder_settings.h"
#include "tockly/pages/alarm_editor.h"
#include "tockly/pages/alarm_overview.h"
#include "tockly/pages/chime_page.h"
#include "tockly/pages/date_chooser.h"
#include "tockly/pages/date_lookup_page.h"
#include "tockly/pages/page_host.h"
#include "tockly/pages/sound_preview.h"
#include "tockly/pages/text_page.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_dialog.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"

namespace tockly::pages {

struct PageServices {
    model::ReminderSettings& settings;
    sound::SoundSystem& sound;
    sound::Announcer& announcer;
    platform::Clock& clock;
    platform::FileSystem& files;
    platform::FileDialog& file_dialog;
    platform::MessageBox& message_box;
    platform::CalendarControl& Moonleaf1;
    platform::CalendarControl& Moonleaf2;
    PageHost& host;
    internet_time::TimeSync& time_sync;
    // The official holidays the alarm overview's day rules go by.
    const moonleaf::HolidaySchedule& holidays;
};

class Pages {
  public:
    explicit Pages(const PageServices& s);
    Pages(const Pages&) = delete;
    Pages& operator=(const Pages&) = delete;

    SoundPreview preview;
    AlarmEditor alarm_editor;
    DateChooser date_chooser;
    ChimePage chime_page;
    DateLookupPage date_lookup;
    TextPage instructions;
    TextPage voice_collection;
    AlarmOverview overview;
};

}  // namespace tockly::pages
