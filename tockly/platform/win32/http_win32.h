#pragma once

#include <cstddef>

#include "tockly/platform/http.h"

namespace tockly::platform {

// One GET over WinHTTP, with the system's proxy settings and certificate store. Every blocking
// step gets only what is left of the request's time, so the whole request ends within the
// limit, whatever the server does.
class Win32Http : public Http {
  public:
    HttpReply get(const std::string& address) override;

    static constexpr unsigned kTimeLimitMs = 10000;
    static constexpr std::size_t kBodyLimit = 64 * 1024;
};

}  // namespace tockly::platform
