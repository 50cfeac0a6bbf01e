#pragma once

#include <string>

namespace tockly::platform {

// The user's default web browser.
class WebBrowser {
  public:
    virtual ~WebBrowser() = default;
    // Opens the address in a normal browser window; false when it could not be opened.
    virtual bool open_page(const std::string& address) = 0;
};

}  // namespace tockly::platform
