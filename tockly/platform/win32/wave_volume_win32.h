#pragma once

#include "common/win32/unique_handle.h"
#include "tockly/platform/wave_volume.h"

namespace tockly::platform {

// The wave-output volume of the wave mapper. Where the mapper refuses (Wine does), the volume
// is read and set on an output handle of the default device opened for the purpose and kept:
// there a volume belongs to the handle, and a handle closed would forget it.
class Win32WaveVolume : public WaveVolume {
  public:
    std::optional<std::uint32_t> get_volume() override;
    void set_volume(std::uint32_t word) override;

  private:
    HWAVEOUT own_output();

    common::win32::UniqueWaveOut output_;
};

}  // namespace tockly::platform
