#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace image {

// Yamaha bulk-dump checksum: the 7-bit value that makes the covered bytes (byte counts,
// address and data) sum to a multiple of 128.
std::uint8_t yamahaChecksum(std::span<const std::uint8_t> covered);

} // namespace image
