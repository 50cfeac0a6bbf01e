#pragma once

#include <string>

#include "tockly/model/version.h"
#include "tockly/pages/page_host.h"
#include "tockly/pages/time_sync.h"
#include "tockly/shell/main_window.h"
#include "tockly/shell/tray.h"

namespace tockly::shell {

// The pages' questions, answered for the main window they live on: the program's title, and
// whether its reminder timer runs.
class MainWindowPageHost : public pages::PageHost {
  public:
    MainWindowPageHost(const MainWindow& form1, model::Version version)
        : form1_(form1), version_(version) {}

    std::string title() const override { return model::program_title(version_); }
    bool reminder_timer_running() const override { return form1_.timers_enabled; }

  private:
    const MainWindow& form1_;
    model::Version version_;
};

// The tray's "与Internet进行对时(&W)" runs the date lookup page's synchronisation.
class PagesTimeSync : public TimeSyncAction {
  public:
    explicit PagesTimeSync(pages::TimeSync& time_sync) : time_sync_(time_sync) {}
    void synchronise_time() override { time_sync_.run(); }

  private:
    pages::TimeSync& time_sync_;
};

}  // namespace tockly::shell
