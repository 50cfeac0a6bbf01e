// The site server reads request heads from anyone who connects: parsing one must never
// misbehave, and whatever it accepts must carry a method and a path to route, without the
// query or the scheme and host of a whole URL.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/site-server/http_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view head(reinterpret_cast<const char*>(data), size);
    const tockly::site::ParsedRequest parsed = tockly::site::parse_request_head(head);
    if (parsed.status == 0 && (parsed.head.method.empty() || !parsed.head.path.starts_with('/') ||
                               parsed.head.path.find('?') != std::string::npos))
        std::abort();
    return 0;
}
