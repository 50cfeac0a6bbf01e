#pragma once

#include "tockly/platform/web_browser.h"

namespace tockly::platform {

// The address handed to the shell's "open" verb, which starts the user's default browser.
class Win32WebBrowser : public WebBrowser {
  public:
    bool open_page(const std::string& address) override;
};

}  // namespace tockly::platform
