#pragma once
// An XG part parameter change as the module receives it (device number 0), for tests that
// assert whole messages.

#include <cstdint>
#include <vector>

namespace testmsg {

inline std::vector<std::uint8_t> partParam(int part, int address, int value) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            0x08,
            static_cast<std::uint8_t>(part),
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(value),
            0xF7};
}

} // namespace testmsg
