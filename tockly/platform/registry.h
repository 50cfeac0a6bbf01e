#pragma once

#include <string>

namespace tockly::platform {

// String values under the current user's hive (HKEY_CURRENT_USER). Each call opens and closes
// its own key. The answers say whether the system did it; what a failure means is the
// caller's business.
class Registry {
  public:
    virtual ~Registry() = default;
    // Creates the key (a path such as "Software\Microsoft\Windows\CurrentVersion\Run") when it
    // does not exist yet.
    virtual bool create_key(const std::string& key) = 0;
    // Writes a string value (REG_SZ) into an existing key, replacing an earlier one.
    virtual bool set_string_value(const std::string& key, const std::string& name,
                                  const std::string& value) = 0;
    virtual bool delete_value(const std::string& key, const std::string& name) = 0;
};

}  // namespace tockly::platform
