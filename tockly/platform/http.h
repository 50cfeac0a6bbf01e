#pragma once

#include <string>

namespace tockly::platform {

// What fetching one page gave: its body, or why there is none.
struct HttpReply {
    bool ok = false;
    // The body as received, cut at the service's size limit (64 KB).
    std::string body;
    // The system's reason when `ok` is false.
    std::string error;
};

// Fetches one web page as text over HTTPS or HTTP, with the system's proxy settings and
// certificates. The whole request gives up after at most 10 seconds.
class Http {
  public:
    virtual ~Http() = default;
    virtual HttpReply get(const std::string& address) = 0;
};

}  // namespace tockly::platform
