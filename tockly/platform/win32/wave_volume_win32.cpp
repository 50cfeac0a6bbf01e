#include "tockly/platform/win32/wave_volume_win32.h"

#include <windows.h>

#include "common/win32/unique_handle.h"

namespace tockly::platform {

namespace {

const HWAVEOUT kWaveMapper = reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(WAVE_MAPPER));

// Any format the mapper accepts opens the default device; nothing is ever played on it.
common::win32::UniqueWaveOut open_default_output() {
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = 44100;
    format.wBitsPerSample = 16;
    format.nBlockAlign = format.nChannels * format.wBitsPerSample / 8;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    common::win32::UniqueWaveOut device;
    if (waveOutOpen(device.put(), WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        device.release();  // a failed open leaves no handle to close
    }
    return device;
}

}  // namespace

std::optional<std::uint32_t> Win32WaveVolume::get_volume() {
    DWORD word = 0;
    if (waveOutGetVolume(kWaveMapper, &word) == MMSYSERR_NOERROR) return word;
    const HWAVEOUT output = own_output();
    if (output && waveOutGetVolume(output, &word) == MMSYSERR_NOERROR) return word;
    return std::nullopt;
}

void Win32WaveVolume::set_volume(std::uint32_t word) {
    if (waveOutSetVolume(kWaveMapper, word) == MMSYSERR_NOERROR) return;
    if (const HWAVEOUT output = own_output()) waveOutSetVolume(output, word);
}

HWAVEOUT Win32WaveVolume::own_output() {
    if (!output_) output_ = open_default_output();
    return output_.get();
}

}  // namespace tockly::platform
