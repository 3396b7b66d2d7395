#include "image/checksum.h"

namespace image {

std::uint8_t yamahaChecksum(std::span<const std::uint8_t> covered) {
    unsigned sum = 0;
    for (auto b : covered) sum += b;
    return static_cast<std::uint8_t>((128 - (sum & 0x7F)) & 0x7F);
}

} // namespace image
