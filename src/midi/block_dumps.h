#pragma once
// The bulk dumps of a whole part and of an effect block, filled from the image with a fresh
// checksum. The module and the set files get the same bytes.

#include "image/synth_image.h"
#include "midi/synth_options.h"
#include "midi/xg_templates.h"

#include <algorithm>

namespace midi {

inline constexpr std::size_t kPartDumpAOffsets = 41; // record offsets 0..40

// Bulk dump A of a part: offsets 0..40 with the detune byte split into two nibbles; a part
// with a user voice asks for it as program = part number, bank LSB 1 (0 on a DB-50).
void fillPartDumpA(Message<52>& dump, const image::SynthImage& image, int part, SynthType type);
// Bulk dump B of a part: offsets 41..103.
void fillPartDumpB(Message<74>& dump, const image::SynthImage& image, int part);

// An effect block goes as two dumps: everything before parameters 11..16, then those six.
template <std::size_t A, std::size_t B, std::size_t Size>
void fillEffectDumps(Message<A>& dumpA, Message<B>& dumpB, const std::array<Byte, Size>& block) {
    constexpr std::size_t headCount = Size - image::kEffectTailSize;
    static_assert(A == kBulkDataStart + headCount + 2);
    static_assert(B == kBulkDataStart + image::kEffectTailSize + 2);
    std::copy_n(block.begin(), headCount, dumpA.begin() + kBulkDataStart);
    renewChecksum(dumpA);
    std::copy_n(block.begin() + headCount, image::kEffectTailSize, dumpB.begin() + kBulkDataStart);
    renewChecksum(dumpB);
}

// The drum note dump of one key of setup 1 or 2.
void fillDrumNoteDump(Message<27>& dump, int setup, int note, const image::DrumSlot& values);

} // namespace midi
