#pragma once
// The fixed byte strings of every message the program sends. Senders patch the
// variable bytes in place, so sending builds nothing and allocates nothing.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace midi {

using Byte = std::uint8_t;

template <std::size_t N> using Message = std::array<Byte, N>;

// Offsets within the templates (counted from F0 = 0).
inline constexpr std::size_t kDeviceByte = 2;
inline constexpr std::size_t kBulkDataStart = 9;
inline constexpr std::size_t kBulkCoveredStart = 4; // byte counts, address and data

struct XgTemplates {
    // Bulk dumps: F0 43 0n 4C <count hi> <count lo> <address hi mid lo> data... cs F7.
    Message<52> partDumpA{};
    Message<74> partDumpB{};
    Message<25> reverbDumpA{};
    Message<17> reverbDumpB{};
    Message<26> chorusDumpA{};
    Message<17> chorusDumpB{};
    Message<44> variationDumpA{};
    Message<17> variationDumpB{};
    Message<27> drumNoteDump{};
    // Parameter changes: F0 43 1n ...
    Message<9> partParam{};
    Message<10> partParam2{};
    Message<9> effectParam{};
    Message<10> effectType{};
    Message<9> drumParam{};
    Message<9> systemParam{};
    Message<12> masterTune{};
    Message<9> xgSystemOn{};
    Message<9> qsLocal{};
    Message<8> probe{};

    XgTemplates();
    // Writes device number n (0..15) into every template: 0n in bulk dumps, 1n in
    // parameter changes. The parameter request keeps its 30.
    void setDevice(int n);
};

// Renews the checksum of a complete bulk dump (second to last byte).
void renewChecksum(std::span<Byte> dump);

} // namespace midi
