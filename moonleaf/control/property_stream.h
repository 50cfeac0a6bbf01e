#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "moonleaf/control/property_bag.h"

namespace moonleaf {

// A property bag in memory, for hosts that persist through a stream (IPersistStreamInit):
//   Save: control.save(bag); write encode_property_stream(bag) to the stream.
//   Load: read kStreamHeaderSize bytes, ask stream_payload_size() how many follow, read them,
//         decode_property_stream(header + payload), then control.load(bag).
class MemoryPropertyBag : public PropertyBag {
  public:
    BagValue read(std::string_view key) override;
    bool write(std::string_view key, const StoredValue& value) override;
    const std::map<std::string, StoredValue, std::less<>>& entries() const { return entries_; }

  private:
    std::map<std::string, StoredValue, std::less<>> entries_;
};

// "MLFP", a version byte, three zero bytes, then the payload length as 32 bits little-endian.
inline constexpr std::size_t kStreamHeaderSize = 12;

std::vector<std::uint8_t> encode_property_stream(const MemoryPropertyBag& bag);
// How many payload bytes follow a valid header; nothing for a foreign or damaged one.
std::optional<std::uint32_t> stream_payload_size(std::span<const std::uint8_t> header);
// The entries of a stream. A damaged stream yields the entries before the damage (the control
// gives the others their defaults) and sets `damaged`.
struct DecodedStream {
    MemoryPropertyBag bag;
    bool damaged = false;
};
DecodedStream decode_property_stream(std::span<const std::uint8_t> bytes);

}  // namespace moonleaf
