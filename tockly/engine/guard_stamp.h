#pragma once

#include <cmath>
#include <optional>

namespace tockly::engine {

// A guard stamp (seconds since midnight; nothing for never, since 0 is a stamp taken at
// midnight) lets its action run again only more than five seconds away from it, on either side,
// so that the many ticks of one due moment act once.
inline bool guard_lets_through(const std::optional<float>& stamp, float now) {
    return !stamp || std::fabs(now - *stamp) > 5;
}

}  // namespace tockly::engine
