#pragma once

namespace tockly::platform {

class Keyboard {
  public:
    virtual ~Keyboard() = default;
    // True while the virtual key `code` is held down, anywhere in the system.
    virtual bool key_is_down(int code) = 0;
};

}  // namespace tockly::platform
