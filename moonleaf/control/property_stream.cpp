#include "moonleaf/control/property_stream.h"

#include <array>
#include <bit>

namespace moonleaf {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'M', 'L', 'F', 'P'};
constexpr std::uint8_t kVersion = 1;

enum Tag : std::uint8_t { kInt32 = 1, kBool = 2, kDate = 3, kInt16 = 4 };

void put_bytes(std::vector<std::uint8_t>& out, std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Reads little-endian values from a span and remembers whether it ran out.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool at_end() const { return position_ == bytes_.size(); }
    bool has(std::size_t count) const { return bytes_.size() - position_ >= count; }
    std::uint64_t take(std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i)
            value |= std::uint64_t{bytes_[position_ + i]} << (8 * i);
        position_ += count;
        return value;
    }
    std::string take_text(std::size_t count) {
        std::string text(reinterpret_cast<const char*>(bytes_.data() + position_), count);
        position_ += count;
        return text;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

std::size_t value_size(std::uint8_t tag) {
    switch (tag) {
        case kInt32:
            return 4;
        case kBool:
            return 1;
        case kDate:
            return 8;
        case kInt16:
            return 2;
        default:
            return 0;
    }
}

std::optional<StoredValue> decode_value(std::uint8_t tag, std::uint64_t raw) {
    switch (tag) {
        case kInt32:
            return StoredValue(static_cast<std::int32_t>(static_cast<std::uint32_t>(raw)));
        case kBool:
            if (raw > 1) return std::nullopt;
            return StoredValue(raw == 1);
        case kDate:
            return StoredValue(common::OleDate(std::bit_cast<double>(raw)));
        case kInt16:
            return StoredValue(static_cast<std::int16_t>(static_cast<std::uint16_t>(raw)));
        default:
            return std::nullopt;
    }
}

}  // namespace

BagValue MemoryPropertyBag::read(std::string_view key) {
    const auto found = entries_.find(key);
    if (found == entries_.end()) return BagMissing{};
    return std::visit(
        [](auto value) -> BagValue {
            using T = decltype(value);
            if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::int16_t>)
                return std::int64_t{value};
            else
                return value;
        },
        found->second);
}

bool MemoryPropertyBag::write(std::string_view key, const StoredValue& value) {
    entries_.insert_or_assign(std::string(key), value);
    return true;
}

std::vector<std::uint8_t> encode_property_stream(const MemoryPropertyBag& bag) {
    std::vector<std::uint8_t> payload;
    for (const auto& [key, value] : bag.entries()) {
        // Keys are the control's own short names; a longer one cannot be described.
        if (key.empty() || key.size() > 255) continue;
        payload.push_back(static_cast<std::uint8_t>(key.size()));
        payload.insert(payload.end(), key.begin(), key.end());
        std::visit(
            [&](auto v) {
                using T = decltype(v);
                if constexpr (std::is_same_v<T, std::int32_t>) {
                    payload.push_back(kInt32);
                    put_bytes(payload, static_cast<std::uint32_t>(v), 4);
                } else if constexpr (std::is_same_v<T, bool>) {
                    payload.push_back(kBool);
                    put_bytes(payload, v ? 1 : 0, 1);
                } else if constexpr (std::is_same_v<T, common::OleDate>) {
                    payload.push_back(kDate);
                    put_bytes(payload, std::bit_cast<std::uint64_t>(v.serial()), 8);
                } else {
                    payload.push_back(kInt16);
                    put_bytes(payload, static_cast<std::uint16_t>(v), 2);
                }
            },
            value);
    }
    std::vector<std::uint8_t> stream(kMagic.begin(), kMagic.end());
    put_bytes(stream, kVersion, 4);
    put_bytes(stream, payload.size(), 4);
    stream.insert(stream.end(), payload.begin(), payload.end());
    return stream;
}

std::optional<std::uint32_t> stream_payload_size(std::span<const std::uint8_t> header) {
    if (header.size() < kStreamHeaderSize) return std::nullopt;
    if (!std::equal(kMagic.begin(), kMagic.end(), header.begin())) return std::nullopt;
    Reader reader(header.subspan(kMagic.size(), kStreamHeaderSize - kMagic.size()));
    if (reader.take(4) != kVersion) return std::nullopt;
    return static_cast<std::uint32_t>(reader.take(4));
}

DecodedStream decode_property_stream(std::span<const std::uint8_t> bytes) {
    DecodedStream decoded;
    const std::optional<std::uint32_t> payload_size = stream_payload_size(bytes);
    if (!payload_size) {
        decoded.damaged = true;
        return decoded;
    }
    std::span<const std::uint8_t> payload = bytes.subspan(kStreamHeaderSize);
    if (payload.size() != *payload_size) decoded.damaged = true;
    if (payload.size() > *payload_size) payload = payload.first(*payload_size);
    Reader reader(payload);
    while (!reader.at_end()) {
        if (!reader.has(1)) break;
        const std::size_t key_size = reader.take(1);
        if (key_size == 0 || !reader.has(key_size + 1)) break;
        const std::string key = reader.take_text(key_size);
        const auto tag = static_cast<std::uint8_t>(reader.take(1));
        const std::size_t size = value_size(tag);
        if (size == 0 || !reader.has(size)) break;
        const std::optional<StoredValue> value = decode_value(tag, reader.take(size));
        if (!value) break;
        decoded.bag.write(key, *value);
    }
    if (!reader.at_end()) decoded.damaged = true;
    return decoded;
}

}  // namespace moonleaf
