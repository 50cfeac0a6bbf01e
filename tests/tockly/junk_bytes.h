#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tockly {

// `size` bytes of a fixed pseudo-random sequence: content that no sound format starts with or
// holds, the same on every run.
inline std::string junk_bytes(std::size_t size) {
    std::string junk(size, '\0');
    std::uint32_t state = 2463534242u;
    for (char& byte : junk) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state);
    }
    return junk;
}

}  // namespace tockly
