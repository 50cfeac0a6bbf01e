#include "tockly/shell/site.h"

#ifndef TOCKLY_SITE_URL
#error "TOCKLY_SITE_URL is set by the build (CMake cache variable of the same name)"
#endif

namespace tockly::shell::site {

std::string address() {
    std::string url = TOCKLY_SITE_URL;
    while (!url.empty() && url.back() == '/') url.pop_back();
    return url;
}

std::string news_page() {
    return address() + "/news";
}

std::string upgrade_page() {
    return address() + "/upgrade";
}

std::string time_page() {
    return address() + "/time";
}

std::string holidays_page(int year) {
    return address() + "/holidays?year=" + std::to_string(year);
}

bool is_site_page(const std::string& url) {
    const std::string site = address();
    if (url.compare(0, site.size(), site) != 0) return false;
    // "https://www.tockly.cn.example" is another site.
    return url.size() == site.size() || url[site.size()] == '/' || url[site.size()] == '?' ||
           url[site.size()] == '#';
}

}  // namespace tockly::shell::site
