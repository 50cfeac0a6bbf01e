#pragma once

#include <string>

namespace tockly::model {

// The program's version as the build gives it.
struct Version {
    int major = 1;
    int minor = 0;
    int revision = 0;
};

// "Tockly " + major "." minor revision, each without leading zeros: 8.0.9 gives "Tockly 8.09".
inline std::string program_title(const Version& version) {
    return "Tockly " + std::to_string(version.major) + "." + std::to_string(version.minor) +
           std::to_string(version.revision);
}

}  // namespace tockly::model
