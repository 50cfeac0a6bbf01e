// Lets the waiting code run the window messages that are due (timer ticks, player reports),
// the way the message loop would. A quit request met on the way is put back for the loop.
#pragma once

#include <windows.h>

#include "tockly/platform/message_pump.h"

namespace tockly::win32 {

class Win32MessagePump : public platform::MessagePump {
  public:
    void process_pending_messages() override {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
};

}  // namespace tockly::win32
