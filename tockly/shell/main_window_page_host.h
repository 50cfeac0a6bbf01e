#pragma once

#include <string>

#include "tockly/model/version.h"
#include "tockly/pages/page_host.h"
#include "tockly/shell/main_window.h"

namespace tockly::shell {

// The pages' questions, answered for the main window they live on: the program's title, and
// whether its reminder timer runs, which it does from start-up until the program quits.
class MainWindowPageHost : public pages::PageHost {
  public:
    MainWindowPageHost(const MainWindow& form1, model::Version version)
        : form1_(form1), version_(version) {}

    std::string title() const override { return model::program_title(version_); }
    bool reminder_timer_running() const override { return !form1_.quitting(); }

  private:
    const MainWindow& form1_;
    model::Version version_;
};

}  // namespace tockly::shell
