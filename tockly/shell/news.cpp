#include "tockly/shell/news.h"

#include "tockly/shell/site.h"

namespace tockly::shell {

void News::show_news() {
    popup_.open();
    if (!site::is_site_page(popup_.LocationURL)) popup_.navigate(site::news_page());
    popup_.show();
}

}  // namespace tockly::shell
