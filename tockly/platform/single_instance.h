#pragma once

namespace tockly::platform {

// Tells whether another copy of the program runs in the current user's session.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // The first call claims the program's name for the life of this process; it answers true
    // when another process had claimed it already.
    virtual bool another_instance_running() = 0;
};

}  // namespace tockly::platform
