#pragma once

#include <string>

#include "tockly/model/shared_state.h"

namespace tockly::engine {

// What the reminder engine decided, for the taps that follow it (the simulator, tests).
class EngineTap : public model::SharedStateTap {
  public:
    // An alarm slot fired; `number` is the number shown to the user (index + 1).
    virtual void alarm_fired(int number) { (void)number; }
    virtual void chime_fired() {}
};

}  // namespace tockly::engine
