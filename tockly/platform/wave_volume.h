#pragma once

#include <cstdint>
#include <optional>

namespace tockly::platform {

// The wave-output volume of the default device: upper 16 bits one channel, lower 16 the other.
class WaveVolume {
  public:
    virtual ~WaveVolume() = default;
    // Nothing when the system refuses to tell.
    virtual std::optional<std::uint32_t> get_volume() = 0;
    virtual void set_volume(std::uint32_t word) = 0;
};

}  // namespace tockly::platform
