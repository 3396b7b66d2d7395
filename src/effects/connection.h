#pragma once
// How the variation block is connected: as an insertion effect of one part ("INS") or as a
// system effect ("SYS"). The choice lives in the variation block's connection byte.

#include "effects/effect_slots.h"
#include "image/synth_image.h"
#include "midi/xg_messages.h"

namespace effects {

inline constexpr int kConnectionIndex = 26;    // variation block byte: 0 insertion, 1 system
inline constexpr int kInsertionPartIndex = 27; // the part the variation is inserted into
inline constexpr image::Byte kConnectionAddress = 0x5A;

// The connection the variation block's byte names (any value but 1 reads as insertion).
Connection connectionOf(const image::SynthImage& image);

// Writes the connection byte and sends it. Returns false, and sends nothing, when the
// connection is already the one asked for.
bool SetVariationConnection(image::SynthImage& image, midi::XgMessages& messages,
                            Connection wanted);

} // namespace effects
