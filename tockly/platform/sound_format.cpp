#include "tockly/platform/sound_format.h"

#include <array>
#include <optional>
#include <string_view>

namespace tockly::platform {

namespace {

// The version bits; 0 is MPEG-2.5.
constexpr unsigned kReservedVersion = 1;
constexpr unsigned kMpeg2 = 2;
constexpr unsigned kMpeg1 = 3;

// Kilobits per second by bit rate index 1 to 14; index 0 (free format) has no computable
// frame length and 15 is forbidden.
constexpr std::array<std::array<unsigned, 15>, 5> kBitRates = {{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG-1 layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG-1 layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG-1 layer III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG-2 layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG-2 II, III
}};
constexpr std::array<unsigned, 3> kMpeg1SampleRates = {44100, 48000, 32000};

struct MpegFrame {
    unsigned version;
    unsigned layer;
    unsigned sample_rate;
    std::size_t length;

    bool same_stream_as(const MpegFrame& other) const {
        return version == other.version && layer == other.layer && sample_rate == other.sample_rate;
    }
};

std::optional<MpegFrame> mpeg_frame_at(std::string_view bytes, std::size_t at) {
    if (bytes.size() < 4 || at > bytes.size() - 4) return std::nullopt;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    if (byte(0) != 0xFF || (byte(1) & 0xE0) != 0xE0) return std::nullopt;
    const unsigned version = (byte(1) >> 3) & 3;
    const unsigned layer = 4 - ((byte(1) >> 1) & 3);  // 4: the reserved layer bits
    const unsigned bit_rate_index = byte(2) >> 4;
    const unsigned sample_rate_index = (byte(2) >> 2) & 3;
    const unsigned padding = (byte(2) >> 1) & 1;
    if (version == kReservedVersion || layer == 4 || bit_rate_index == 0 || bit_rate_index == 15 ||
        sample_rate_index == 3) {
        return std::nullopt;
    }
    const bool mpeg1 = version == kMpeg1;
    const std::size_t table = mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4);
    const unsigned bit_rate = kBitRates[table][bit_rate_index] * 1000;
    const unsigned sample_rate =
        kMpeg1SampleRates[sample_rate_index] >> (mpeg1 ? 0 : (version == kMpeg2 ? 1 : 2));
    std::size_t length = 0;
    if (layer == 1) {
        length = (12 * bit_rate / sample_rate + padding) * 4;
    } else {
        const unsigned per_bit_rate = layer == 3 && !mpeg1 ? 72 : 144;
        length = per_bit_rate * bit_rate / sample_rate + padding;
    }
    return MpegFrame{version, layer, sample_rate, length};
}

bool holds_mpeg_audio(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto frame = mpeg_frame_at(bytes, at);
        if (!frame) continue;
        const auto next = mpeg_frame_at(bytes, at + frame->length);
        if (next && next->same_stream_as(*frame)) return true;
    }
    return false;
}

// The length of an ID3v2 tag at the start of `head`: a 10-byte header whose last four bytes
// hold the body's size seven bits each. A footer or padding after it is passed over by the
// scan for frames.
std::uint64_t id3v2_length(std::string_view head) {
    if (head.size() < 10 || head.substr(0, 3) != "ID3") return 0;
    std::uint64_t body = 0;
    for (std::size_t i = 6; i < 10; ++i) {
        body = body << 7 | (static_cast<unsigned char>(head[i]) & 0x7F);
    }
    return 10 + body;
}

bool is_riff(std::string_view head, std::string_view form) {
    return head.size() >= 12 && head.substr(0, 4) == "RIFF" && head.substr(8, 4) == form;
}

}  // namespace

SoundFormat sound_format_of(const ReadAt& read) {
    const std::string head = read(0, kMpegScanBytes);
    if (is_riff(head, "WAVE")) return SoundFormat::wave;
    if (head.starts_with("MThd") || is_riff(head, "RMID")) return SoundFormat::midi;
    const std::uint64_t audio_start = id3v2_length(head);
    const std::string audio = audio_start == 0 ? head : read(audio_start, kMpegScanBytes);
    return holds_mpeg_audio(audio) ? SoundFormat::mpeg_audio : SoundFormat::unknown;
}

}  // namespace tockly::platform
