#pragma once
// Channel and system messages packed the way the port layer takes them:
// status | data1 << 8 | data2 << 16.

#include <array>
#include <cstddef>
#include <cstdint>

namespace midi {

inline constexpr std::uint32_t packShort(std::uint8_t status, std::uint8_t data1,
                                         std::uint8_t data2) {
    return static_cast<std::uint32_t>(status) | static_cast<std::uint32_t>(data1) << 8 |
           static_cast<std::uint32_t>(data2) << 16;
}

// How many bytes a message with this status occupies on the wire; 0 for a status that
// cannot travel as a short message (system exclusive) or a data byte.
inline constexpr std::size_t shortMessageLength(std::uint8_t status) {
    if (status < 0x80) return 0;
    if (status < 0xC0) return 3;
    if (status < 0xE0) return 2;
    if (status < 0xF0) return 3;
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF0:
    case 0xF7:
        return 0;
    default:
        return 1;
    }
}

struct ShortMessage {
    std::array<std::uint8_t, 3> bytes{};
    std::size_t size = 0;
};

inline constexpr ShortMessage unpackShort(std::uint32_t packed) {
    ShortMessage m;
    m.bytes = {static_cast<std::uint8_t>(packed & 0xFF),
               static_cast<std::uint8_t>((packed >> 8) & 0x7F),
               static_cast<std::uint8_t>((packed >> 16) & 0x7F)};
    m.size = shortMessageLength(m.bytes[0]);
    return m;
}

} // namespace midi
