#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tockly::platform {

// One entry of an open-file dialog's type list: its name as shown ("声音文件") and its
// patterns (" *.wav;*.mp3;*.mid").
struct FileFilter {
    std::string name;
    std::string patterns;
};

// The system's open-file dialog.
class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // The full path the user chose; nothing when the user cancelled or the dialog failed.
    virtual std::optional<std::string> choose_file_to_open(
        const std::vector<FileFilter>& filters) = 0;
};

}  // namespace tockly::platform
