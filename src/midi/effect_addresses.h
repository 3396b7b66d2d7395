#pragma once
// The XG low address (high 02, mid 01) of each byte of an effect block.

#include "image/synth_image.h"

namespace midi {

// -1 outside the block. Each block skips the unused address after its return/pan/send
// bytes, so the bytes of parameters 11..16 sit a little higher than their index.
inline constexpr int effectByteAddress(image::EffectKind kind, int blockIndex) {
    switch (kind) {
    case image::EffectKind::Reverb:
        if (blockIndex < 0 || blockIndex >= image::kReverbBlockSize) return -1;
        return blockIndex <= 13 ? blockIndex : blockIndex + 2;
    case image::EffectKind::Chorus:
        if (blockIndex < 0 || blockIndex >= image::kChorusBlockSize) return -1;
        return blockIndex <= 14 ? blockIndex + 32 : blockIndex + 33;
    case image::EffectKind::Variation:
        if (blockIndex < 0 || blockIndex >= image::kVariationBlockSize) return -1;
        return blockIndex <= 32 ? blockIndex + 64 : blockIndex + 79;
    }
    return -1;
}

} // namespace midi
