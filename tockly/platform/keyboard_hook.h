#pragma once

namespace tockly::platform {

// The outside keyboard-hook library. The program installs no hook of its own (the hotkey works
// by polling the key state); it only releases the library's hook when it quits.
class KeyboardHook {
  public:
    virtual ~KeyboardHook() = default;
    virtual void ReleaseKeyboardHook() = 0;
};

// We ship no hook library, so there is nothing to release.
class NoKeyboardHook : public KeyboardHook {
  public:
    void ReleaseKeyboardHook() override {}
};

}  // namespace tockly::platform
