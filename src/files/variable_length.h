#pragma once
// Variable-length numbers of Standard MIDI Files: 7 bits per byte, most significant group
// first, bit 7 set on every byte but the last. Four bytes at most (values below 2^28).

#include <cstddef>
#include <cstdint>

namespace files {

inline constexpr std::uint32_t maxVariableLength = 0x0FFFFFFF;

constexpr std::size_t variableLengthSize(std::uint32_t v) {
    return v < 0x80 ? 1 : v < 0x4000 ? 2 : v < 0x200000 ? 3 : 4;
}

// Writes v (at most maxVariableLength) and returns the position after it.
inline std::uint8_t* writeVariableLength(std::uint8_t* out, std::uint32_t v) {
    const std::size_t n = variableLengthSize(v);
    for (std::size_t i = n; i-- > 0;) {
        *out++ = static_cast<std::uint8_t>(((v >> (7 * i)) & 0x7F) | (i > 0 ? 0x80 : 0));
    }
    return out;
}

} // namespace files
