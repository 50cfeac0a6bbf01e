#pragma once

#include <optional>

#include "common/win32/unique_handle.h"
#include "tockly/platform/single_instance.h"

namespace tockly::platform {

// A named mutex in the session's own namespace ("Local\"), so that another user's copy on the
// same machine does not count. The handle is held until the object goes, which is the end of
// the process for the one the program keeps.
class Win32SingleInstance : public SingleInstance {
  public:
    bool another_instance_running() override;

  private:
    common::win32::UniqueKernelHandle mutex_;
    std::optional<bool> answer_;
};

}  // namespace tockly::platform
