#include "tockly/platform/sound_format.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/tockly/junk_bytes.h"

namespace tockly::platform {
namespace {

using namespace std::string_literals;

// A file in memory, read as the player reads one.
ReadAt reader_of(const std::string& file, std::uint64_t* bytes_read = nullptr) {
    return [&file, bytes_read](std::uint64_t offset, std::size_t count) {
        if (offset >= file.size()) return std::string();
        std::string part = file.substr(offset, count);
        if (bytes_read) *bytes_read += part.size();
        return part;
    };
}

// `count` frames behind one header, `length` bytes each.
std::string frames(const std::string& header, std::size_t length, int count = 2) {
    std::string frame = header;
    frame.resize(length, '\0');
    std::string all;
    for (int i = 0; i < count; ++i) all += frame;
    return all;
}

// An ID3v2 tag of `body` bytes after its header, the size seven bits a byte as ID3 writes it.
std::string id3v2_tag(std::uint32_t body) {
    std::string tag = "ID3\x04\x00\x00"s;
    for (int shift = 21; shift >= 0; shift -= 7) tag += static_cast<char>((body >> shift) & 0x7F);
    tag.append(body, '\0');
    return tag;
}

const std::string kLayer3 = "\xFF\xFB\x90\x64";  // MPEG-1 layer III, 128 kbit/s, 44.1 kHz

TEST(SoundFormat, ContentDecides) {
    const struct {
        const char* what;
        std::string file;
        SoundFormat format;
    } cases[] = {
        {"WAV", "RIFF\x24\x08\x00\x00WAVEfmt "s, SoundFormat::wave},
        {"MIDI", "MThd\x00\x00\x00\x06\x00\x00\x00\x01"s, SoundFormat::midi},
        {"RIFF MIDI", "RIFF\x24\x08\x00\x00RMIDdata"s, SoundFormat::midi},
        {"AVI", "RIFF\x24\x08\x00\x00AVI LIST"s, SoundFormat::unknown},
        {"MPEG-1 layer III", frames(kLayer3, 417), SoundFormat::mpeg_audio},
        {"padded frame first", frames("\xFF\xFB\x92\x64", 418, 1) + frames(kLayer3, 417, 1),
         SoundFormat::mpeg_audio},
        {"MPEG-2 layer III, 32 kbit/s, 16 kHz", frames("\xFF\xF3\x48\xC4", 144),
         SoundFormat::mpeg_audio},
        {"MPEG-2.5 layer III, 8 kbit/s, 8 kHz", frames("\xFF\xE3\x18\xC4", 72),
         SoundFormat::mpeg_audio},
        {"MPEG-1 layer II, 160 kbit/s", frames("\xFF\xFD\x90\x04", 522), SoundFormat::mpeg_audio},
        {"MPEG-1 layer I, 288 kbit/s, padded first",
         frames("\xFF\xFF\x92\x04", 316, 1) + frames("\xFF\xFF\x90\x04", 312, 1),
         SoundFormat::mpeg_audio},
        {"MPEG-2 layer I, 144 kbit/s, 22.05 kHz", frames("\xFF\xF7\x90\x04", 312),
         SoundFormat::mpeg_audio},
        {"frames after junk", std::string(3000, '\x5A') + frames(kLayer3, 417),
         SoundFormat::mpeg_audio},
        {"tag larger than the scan", id3v2_tag(100000) + frames(kLayer3, 417),
         SoundFormat::mpeg_audio},
        {"tag alone", id3v2_tag(100), SoundFormat::unknown},
        {"tag larger than the file", "ID3\x04\x00\x00\x7F\x7F\x7F\x7F"s + frames(kLayer3, 417),
         SoundFormat::unknown},
        {"one frame", frames(kLayer3, 417, 1), SoundFormat::unknown},
        {"second header not at the frame's end", frames(kLayer3, 416), SoundFormat::unknown},
        {"second frame of another sample rate",
         frames(kLayer3, 417, 1) + frames("\xFF\xFB\x94\x64", 384, 1), SoundFormat::unknown},
        {"reserved version", frames("\xFF\xEB\x90\x64", 417), SoundFormat::unknown},
        {"reserved layer: AAC's ADTS", frames("\xFF\xF9\x90\x64", 417), SoundFormat::unknown},
        {"forbidden bit rate", frames("\xFF\xFB\xF0\x64", 417), SoundFormat::unknown},
        {"free bit rate", frames("\xFF\xFB\x00\x64", 417), SoundFormat::unknown},
        {"reserved sample rate", frames("\xFF\xFB\x9C\x64", 417), SoundFormat::unknown},
        {"frames past the scan", std::string(kMpegScanBytes, '\x5A') + frames(kLayer3, 417),
         SoundFormat::unknown},
        {"text", "hello world!", SoundFormat::unknown},
        {"empty", "", SoundFormat::unknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sound_format_of(reader_of(c.file)), c.format) << c.what;
    }
}

TEST(SoundFormat, ReadsOnlyTheStartOfALargeFile) {
    // Junk behind a tag, which makes it read twice.
    const std::string file = id3v2_tag(10) + junk_bytes(4 * 1024 * 1024);
    std::uint64_t bytes_read = 0;
    EXPECT_EQ(sound_format_of(reader_of(file, &bytes_read)), SoundFormat::unknown);
    EXPECT_LE(bytes_read, 2 * kMpegScanBytes);
}

}  // namespace
}  // namespace tockly::platform
