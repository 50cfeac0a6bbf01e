#include "tools/tockly-sim/settings_overlay.h"

#include "tockly/settings/settings_storage.h"

namespace tockly::sim {

SettingsOverlay::SettingsOverlay(platform::FileSystem& folder,
                                 std::optional<std::string> settings_bytes)
    : folder_(folder),
      settings_path_(settings_file::settings_file_path(folder.program_folder())),
      settings_bytes_(std::move(settings_bytes)) {}

bool SettingsOverlay::file_exists(const std::string& path) {
    if (path == settings_path_) return settings_bytes_.has_value();
    return folder_.file_exists(path);
}

std::optional<std::string> SettingsOverlay::read_file(const std::string& path) {
    if (path == settings_path_) return settings_bytes_;
    return folder_.read_file(path);
}

}  // namespace tockly::sim
