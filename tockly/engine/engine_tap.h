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
    // A slot's due second passed more than a minute before any tick saw it; `hour_minute` is
    // that due time, "07:30".
    virtual void alarm_missed(int number, const std::string& hour_minute) {
        (void)number;
        (void)hour_minute;
    }
    // A slot was put off; it fires again at `time` ("07:35:12").
    virtual void alarm_snoozed(int number, const std::string& time) {
        (void)number;
        (void)time;
    }
};

}  // namespace tockly::engine
