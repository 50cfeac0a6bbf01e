#pragma once

#include "tockly/platform/file_dialog.h"

namespace tockly::platform {

// The system's open-file dialog, owned by the thread's active window. The current directory
// is left as it was: the program's paths are relative to its folder, never to it.
class Win32FileDialog : public FileDialog {
  public:
    std::optional<std::string> choose_file_to_open(const std::vector<FileFilter>& filters) override;
};

}  // namespace tockly::platform
