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
};

}  // namespace tockly::platform
