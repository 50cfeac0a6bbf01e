#pragma once

#include <string>

// The program's own web site, set when the program is built (CMake cache variable
// TOCKLY_SITE_URL, "https://www.tockly.cn" unless told otherwise).
namespace tockly::shell::site {

// "https://www.tockly.cn", without a trailing "/".
std::string address();
std::string news_page();     // address + "/news"
std::string upgrade_page();  // address + "/upgrade"
std::string time_page();     // address + "/time"
// address + "/holidays?year=" + the year: that year's holiday notice in the holiday file's format.
std::string holidays_page(int year);

// Whether `url` is a page of the site (its address itself or anything below it).
bool is_site_page(const std::string& url);

}  // namespace tockly::shell::site
