#include "tockly/shell/news.h"

#include "tockly/shell/site.h"

namespace tockly::shell {

void News::show_news() {
    popup_.open();
    if (!site::is_site_page(popup_.LocationURL)) popup_.navigate(site::news_page());
    popup_.show();
}

}  // namespace tockly::shell

namespace tockly::shell {

std::string news_unavailable_text(common::OleDate today, platform::CalendarControl& calendar) {
    const auto day = today.ymd();
    return "今天是 " + std::to_string(day.year) + "年" + std::to_string(day.month) + "月" +
           std::to_string(day.day) + "日\n" + calendar.GetChineseDate(today.date_only()) +
           "\n\n本机没有可用的网页浏览控件，无法显示新闻资讯网页。";
}

}  // namespace tockly::shell
