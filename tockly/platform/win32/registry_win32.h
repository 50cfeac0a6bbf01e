#pragma once

#include "tockly/platform/registry.h"

namespace tockly::platform {

// String values under HKEY_CURRENT_USER, stored as UTF-16 text with its terminating NUL.
class Win32Registry : public Registry {
  public:
    bool create_key(const std::string& key) override;
    bool set_string_value(const std::string& key, const std::string& name,
                          const std::string& value) override;
    bool delete_value(const std::string& key, const std::string& name) override;
    std::optional<std::string> string_value(const std::string& key,
                                            const std::string& name) override;
    std::string failure_reason() const override;

  private:
    // Keeps `status` for failure_reason(); true for success.
    bool record(long status);

    long last_status_ = 0;
};

}  // namespace tockly::platform
