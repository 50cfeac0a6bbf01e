#pragma once

#include "tockly/platform/keyboard.h"

namespace tockly::platform {

// The physical state of a key, anywhere in the system.
class Win32Keyboard : public Keyboard {
  public:
    bool key_is_down(int code) override;
};

}  // namespace tockly::platform
