#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tockly::platform {

enum class SoundFormat { unknown, wave, mpeg_audio, midi };

// Up to `count` bytes of a file from `offset`: fewer at its end, none when it cannot be read.
using ReadAt = std::function<std::string(std::uint64_t offset, std::size_t count)>;

// How far past the start of the audio (after an ID3v2 tag) MPEG frames are looked for.
inline constexpr std::size_t kMpegScanBytes = 64 * 1024;

// What a file holds, told by its content: the voice clips have no extension, and a name that
// ends in ".mp3" proves nothing. Only a bounded part of the file is read, so that anything
// large that is not a sound is refused at once rather than handed to a decoder that reads all
// of it first. MPEG audio counts only as two consecutive frames of one stream, which chance
// bytes almost never are.
SoundFormat sound_format_of(const ReadAt& read);

}  // namespace tockly::platform
