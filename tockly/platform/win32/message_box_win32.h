#pragma once

#include "tockly/platform/message_box.h"

namespace tockly::platform {

// The system's message box, modal to the thread's active window.
class Win32MessageBox : public MessageBox {
  public:
    int show(const std::string& text, int buttons, const std::string& title) override;
};

}  // namespace tockly::platform
