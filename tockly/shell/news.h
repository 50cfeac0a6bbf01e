#pragma once

#include <string>

#include "common/ole_date.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/windows/popup_window.h"

namespace tockly::shell {

// The least of the news that the rest of the program asks for: the tray item
// "显示新闻资讯(&X)" and the news option bring up the popup window with the site's news page.
class News {
  public:
    explicit News(windows::PopupWindow& popup) : popup_(popup) {}

    // Loads the news page into the popup's browser unless it already shows a page of the
    // program's site, then shows the popup.
    void show_news();

  private:
    windows::PopupWindow& popup_;
};

// What the popup shows in place of the page where the computer has no browser control: today's
// date, its lunar date, and why there is no news.
std::string news_unavailable_text(common::OleDate today, platform::CalendarControl& calendar);

}  // namespace tockly::shell
