#pragma once

namespace tockly::platform {

// Lets pending window messages (timer ticks, player events) run while the caller waits.
class MessagePump {
  public:
    virtual ~MessagePump() = default;
    virtual void process_pending_messages() = 0;
};

}  // namespace tockly::platform
