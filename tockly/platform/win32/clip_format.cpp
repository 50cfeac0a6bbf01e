#include "tockly/platform/win32/clip_format.h"

namespace tockly::platform {

namespace {

// An MPEG audio frame header: eleven sync bits, then a version, layer and bit rate that are
// not the reserved values.
bool is_mpeg_audio_frame(std::string_view head) {
    if (head.size() < 3) return false;
    const auto b0 = static_cast<unsigned char>(head[0]);
    const auto b1 = static_cast<unsigned char>(head[1]);
    const auto b2 = static_cast<unsigned char>(head[2]);
    const bool sync = b0 == 0xFF && (b1 & 0xE0) == 0xE0;
    const bool version_valid = (b1 & 0x18) != 0x08;
    const bool layer_valid = (b1 & 0x06) != 0;
    const bool bitrate_valid = (b2 & 0xF0) != 0xF0;
    return sync && version_valid && layer_valid && bitrate_valid;
}

bool is_riff(std::string_view head, std::string_view form) {
    return head.size() >= 12 && head.substr(0, 4) == "RIFF" && head.substr(8, 4) == form;
}

}  // namespace

const wchar_t* mci_device_type_for(std::string_view head) {
    if (is_riff(head, "WAVE")) return L"waveaudio";
    if (head.substr(0, 4) == "MThd" || is_riff(head, "RMID")) return L"sequencer";
    if (head.substr(0, 3) == "ID3" || is_mpeg_audio_frame(head)) return L"mpegvideo";
    return nullptr;
}

}  // namespace tockly::platform
