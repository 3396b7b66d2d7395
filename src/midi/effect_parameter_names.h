#pragma once
// Names of the addresses of the three effect blocks (within 02 01).

#include "image/synth_image.h"

#include <cstdint>
#include <optional>
#include <string>

namespace midi {

// Where an address within 02 01 lives: the block and the index in its image block, index
// -1 for the holes between the blocks.
struct EffectAddress {
    image::EffectKind kind = image::EffectKind::Reverb;
    int index = -1;
};
EffectAddress effectAddressOf(int low);

// The block an effect address belongs to, none for the holes between the blocks.
std::optional<image::EffectKind> effectKindOfAddress(std::uint8_t low);
// The first address of a block: the type MSB, followed by the type LSB.
bool isEffectTypeAddress(std::uint8_t low);
// "Return", "Parameter 3", "Parameter 2 LSB"; "unknown" for an address no block has.
std::string effectParameterName(std::uint8_t low);

} // namespace midi
