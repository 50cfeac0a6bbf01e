#pragma once

#include "tockly/platform/wave_volume.h"

namespace tockly::platform {

// The wave-output volume of the wave mapper. Where the mapper refuses (Wine does), the volume
// is read and set on an output handle opened for that one call, which addresses the same
// default device.
class Win32WaveVolume : public WaveVolume {
  public:
    std::optional<std::uint32_t> get_volume() override;
    void set_volume(std::uint32_t word) override;
};

}  // namespace tockly::platform
