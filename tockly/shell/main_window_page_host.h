#pragma once

#include <string>

#include "tockly/model/version.h"
#include "tockly/pages/options_host.h"
#include "tockly/pages/page_host.h"
#include "tockly/shell/main_window.h"
#include "tockly/shell/news.h"
#include "tockly/windows/prompt_window.h"

namespace tockly::shell {

// The pages' questions, answered for the main window they live on: the program's title,
// whether its reminder timer runs, and turning to the alarm page.
class MainWindowPageHost : public pages::PageHost {
  public:
    MainWindowPageHost(MainWindow& form1, model::Version version)
        : form1_(form1), version_(version) {}

    std::string title() const override { return model::program_title(version_); }
    bool reminder_timer_running() const override { return form1_.timers_enabled; }
    void show_alarm_page() override { form1_.TabStrip1_Click(page::kAlarms); }

  private:
    MainWindow& form1_;
    model::Version version_;
};

// What the options page changes beyond its own controls: the prompt window, and the news with
// the main window's picture panel.
class MainWindowOptionsHost : public pages::OptionsHost {
  public:
    MainWindowOptionsHost(MainWindow& form1, windows::PromptWindow& form2, News& news)
        : form1_(form1), form2_(form2), news_(news) {}

    void set_prompt_opacity(int alpha) override { form2_.touming(alpha); }
    void set_prompt_topmost(bool topmost) override { form2_.set_topmost(topmost); }
    void show_news(bool on) override {
        if (on) news_.show_news();
        form1_.gg_Picture2.visible = on;
    }

  private:
    MainWindow& form1_;
    windows::PromptWindow& form2_;
    News& news_;
};

}  // namespace tockly::shell
