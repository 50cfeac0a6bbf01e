#pragma once

#include <optional>
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
    // A string value as stored; nothing when the key or the value is missing or unreadable.
    virtual std::optional<std::string> string_value(const std::string& key,
                                                    const std::string& name) = 0;
    // Why the last call that answered false failed, in the system's words.
    virtual std::string failure_reason() const = 0;
};

}  // namespace tockly::platform
